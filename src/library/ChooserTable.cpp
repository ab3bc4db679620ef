#include "library/ChooserTable.h"

namespace ChooserTable {

namespace {

Entry E(const char* displayName, const char* key) {
    return Entry{QString::fromUtf8(displayName), QString::fromLatin1(key)};
}

Category C(const char* name, QList<Entry> entries) {
    return Category{QString::fromUtf8(name), std::move(entries)};
}

QList<MainCategory> BuildTable() {
    QList<MainCategory> table;

    table.append(MainCategory{
        QString::fromUtf8("Компютърни мрежи"),
        {
            C("Хъбове", {E("Хъб / Hub", "HUB"), E("100BaseT хъб", "CISCO_HUB"),
                         E("Малък хъб", "SMALL_HUB"), E("Cisco хъб", "CISCO_HUB1")}),
            C("Суичове",
              {E("Суич Клас 4/5", "CLASS_4/5_SWITCH"), E("Софтуерен суич", "GENERIC_SOFTSWITCH"),
               E("Многослоен суич", "MULTILAYER_SWITCH"),
               E("Дистанционен суич", "LAYER_2_REMOTE_SWITCH"),
               E("Суич от 3-ти слой", "LAYER_3_SWITCH"), E("PBX Суич", "PBX_SWITCH")}),
            C("Маршрутизатори",
              {E("Маршрутизатор", "ROUTER"), E("Рутър за мобилен достъп", "MOBILE_ACCESS_ROUTER"),
               E("Широколентов рутър", "BROADBAND_ROUTER"),
               E("Рутър за съдържание", "CONTENT_SERVICE_ROUTER")}),
            C("IP Телефония",
              {E("IP Телефон", "IP_TELEPHONE"), E("IP Телефонен рутър", "IP_TELEPHONY_ROUTER"),
               E("IP Софтуерен телефон", "IP_SOFTPHONE"),
               E("IP Мобилен телефон", "MOBILE_ACCESS_IP_PHONE"), E("IP Стек", "IP"),
               E("IP DSL услуга", "IP_DSL")}),
            C("Защитни стени",
              {E("Защитна стена (файъруол)", "FIREWALL"), E("IOS Защитна стена", "IOS_FIREWALL"),
               E("Пазител (Guard)", "GUARD"), E("Защитна стена Centri", "CENTRI_FIREWALL"),
               E("Файъруол услуга", "FIREWALL_SERVICE_MODULE"),
               E("Пазител (Gatekeeper)", "GATEKEEPER"), E("Защитна стена PIX", "PIX_FIREWALL")}),
            C("Работни станции",
              {E("Работна станция", "WORKSTATION"), E("SUN Работна станция", "CISCO_SUN"),
               E("Cisco CA", "CISCO_CA"), E("Cisco Security", "CISCO_SECURITY"),
               E("Cisco Works", "CISCO_WORKS"), E("Компютър - рутър", "PC_ROUTER_CARD"),
               E("Терминал", "TERMINAL"), E("Web браузър", "WEB_BROWSER"),
               E("Workgroup Director", "WORKGROUP_DIRECTOR")}),
            C("Сървъри",
              {E("Комуникационен сървър", "COMMUNICATIONS_SERVER"),
               E("Файлов сървър", "FILE_SERVER"), E("Сървър за местонахождение", "LOCATION_SERVER"),
               E("IPTV Сървър", "IPTV_BROADCAST_SERVER"), E("Micro Web сървър", "MICROWEBSERVER"),
               E("MOH Сървър", "MOH_SERVER"), E("Софтуерен сървър", "SOFTWARE_SERVER"),
               E("WWW Сървър", "WWW_SERVER")}),
            C("Оптична техника",
              {E("ADM", "CISCO_ADM"), E("Оптичен усилвател", "OPTICAL_AMPLIFIER"),
               E("Рутър за оптични услуги", "OPTICAL_SERVICE_ROUTER"),
               E("Оптичен транспорт", "OPTICAL_TRANSPORT")}),
            C("Безжична техника",
              {E("Безжична карта", "WIRELESS_CARD"), E("Безжичен рутър", "WIRELESS_ROUTER"),
               E("Безжичен мост", "WIRELESS_BRIDGE"), E("Wi-Fi Tag", "WIFI_TAG"), E("WLA", "WLA"),
               E("Безжичен транспорт", "WIRELESS_TRANSPORT"),
               E("Точка за достъп", "CISCO_ACCESSPOINT"), E("Повторител", "REPEATER"),
               E("PC Адаптерна карта", "PC_ADAPTER_CARD")}),
            C("Памет", {E("Лентов масив", "TAPE_ARRAY"), E("Масив памет", "STORAGE_ARRAY"),
                        E("Storafe Router", "STORAGE_ROUTER"),
                        E("Релационна база данни", "RELATIONAL_DATABASE"), E("Дискета", "DISKETTE"),
                        E("Кабинет за папки", "FILE_CABINET"),
                        E("Дискова подсистема", "DISK_SUBSYSTEM"), E("FC Storage", "FC_STORAGE")}),
            C("Процесори",
              {E("ASIC Процесор", "ASIC_PROCESSOR"), E("Процесор", "GENERIC_PROCESSOR"),
               E("Процесор Висок клас", "FRONT_END_PROCESSOR"), E("Микроконтролер", "MCU"),
               E("Route/Switch Процесор", "ROUTE_SWITCH_PROCESSOR")}),
            C("Компютри",
              {E("PC", "PCOMPUTER"), E("Macintosh", "MAC"), E("Лаптоп", "LAPTOP"),
               E("IBM Мейнфрейм", "IBM_MAINFRAME"), E("IBM Мини (AS/400)", "IBM_MINI"),
               E("HP Мини", "HP_MINI"), E("IBM Кула", "IBM_TOWER"), E("Mini VAX", "MINI_VAX"),
               E("Таблетен компютър", "TABLET"), E("Персонален асистент", "PDA"),
               E("Хандхелд", "HANDHELD"), E("Set-Top Устройство", "SET_TOP"),
               E("Суперкомпютър", "CISCO_SUPERCOMPUTER"),
               E("Клъстер-контролер малък", "CISCO_DESKTOP"),
               E("Клъстер-контролер голям", "CISCO_FLOOR"), E("MUX", "MUX")}),
        }});

    table.append(MainCategory{
        QString::fromUtf8("Електроника и физика"),
        {
            C("Захранвания",
              {E("Батерия 1", "CELL"), E("Батерия 2", "BATTRY"),
               E("Правотоково захранване", "DCSUP"), E("Променливотоково захранване", "ACSUP"),
               E("Предпазител", "FUSE"), E("Трансформатор", "TRANSFOR"), E("Заземяване", "EARTH")}),
            C("Изходни устройства",
              {E("Лампа - осветление", "LAMPLT"), E("Лампа - индикация", "LAMPIN"),
               E("Реотан", "HEATER"), E("Електродвигател", "MOTOR"), E("Звънец", "BELL"),
               E("Пищялка", "BUZZER"), E("Бобина", "INDUCTOR")}),
            C("Ключета",
              {E("Бутон", "SWPUSH"), E("Изключващ бутон", "SWPBRK"), E("Ключе", "SWSPST"),
               E("Превключвател", "SWSPDT"), E("Двоен ключ", "SWDPST"),
               E("Двоен превключвател", "SWDPDT"), E("Реле", "RELAY")}),
            C("Резистори", {E("Резистор", "RES"), E("Реостат", "VRES2"),
                            E("Потенциометър", "VRES3"), E("Тример", "PRESET")}),
            C("Кондензатори",
              {E("Кондензатор", "CAP"), E("Електролитен кондензатор", "CAPELE"),
               E("Променлив кондензатор", "CAPVAR"), E("Кондензатор - тример", "CAPTRIM")}),
            C("Диоди", {E("Диод", "DIODE"), E("Светодиод", "LED"), E("Ценеров диод", "ZENER"),
                        E("Фотодиод", "PHOTODI")}),
            C("Транзистори", {E("Транзистор PNP", "TRPNP"), E("Транзистоп NPN", "TRNPN"),
                              E("Фототранзистор", "PHOTOTR")}),
            C("Аудио и радио",
              {E("Знак за микрофон", "MIC"), E("Слушалка", "EAR"), E("Говорител", "LOUDSP"),
               E("Пиезокристал", "PIEZO"), E("Усилвател", "AMP"), E("Радиоантена", "AERIAL")}),
            C("Измерватели и индикатори",
              {E("Волтмер", "VOLTM"), E("Ампермер", "AMMETR"), E("Галваномер", "GALVANOM"),
               E("Оммер", "OHMMETER"), E("Осцилоскоп", "CRO")}),
            C("Сензори", {E("Фотосензор", "LDR"), E("Термистор", "THERM")}),
            C("Логика",
              {E("НЕ", "NOT"), E("И", "AND"), E("И-НЕ", "NAND"), E("ИЛИ", "OR"), E("ИЛИ-НЕ", "NOR"),
               E("Изключващо ИЛИ", "EXOR"), E("Изключващо ИЛИ-НЕ", "EXNOR")}),
        }});

    table.append(MainCategory{
        QString::fromUtf8("Друго"),
        {
            C("Хора", {E("Човек пред компютър", "ANDROGENOUS_MAN"), E("Стоящ мъж", "MAN"),
                       E("Стояща жена", "WOMAN"), E("Жена пред Mac", "MAC_WOMAN"),
                       E("Мъж пред PC", "PC_MAN"), E("Бягащ човек", "RUNNING_MAN"),
                       E("Жена пред компютър", "SITTING_WOMAN"), E("Мъж", "STANDING_MAN"),
                       E("Жена", "STANDING_WOMAN")}),
            C("Превозни средства", {E("Кола", "CAR"), E("Камион", "TRUCK")}),
            C("Сгради",
              {E("Браншови офис", "BRANCH_OFFICE"), E("Главен офис", "GENERAL_OFFICE"),
               E("Правителствена сграда", "GOVERNMENT_BUILDING"),
               E("Сграда с рутър", "BUILDING_WITH_ROUTER"), E("Къща с рутър", "HOUSE_WITH_ROUTER"),
               E("Къща с терминал", "HOUSE_WITH_TERMINAL"), E("Малък бизнес", "SMALL_BUSINESS"),
               E("Университет", "UNIVERSITY"), E("MDU", "MDU"), E("MAU", "MAU")}),
            C("Радио/Телевизия", {E("Сателитна чиния", "SATELLITE_DISH"), E("Сателит", "SATELLITE"),
                                  E("Телевизор", "TV"), E("Видеокамера", "VIDEO_CAMERA"),
                                  E("Радиокула", "RADIO_TOWER"), E("Антена", "ANTENNA"),
                                  E("Микрофон", "MICROPHONE"), E("Високоговорител", "SPEAKER")}),
            C("Телефония",
              {E("Телефон", "TELEPHONE"), E("Телефон (2)", "TELEPHONE_2"),
               E("Мобилен телефон", "CELLULAR_PHONE"), E("PC / FAX", "PC_FAX"), E("Турет", "TURET"),
               E("Факс", "FAX"), E("Софтуерен телефон", "SOFTWARE_PHONE"), E("Модем", "MODEM"),
               E("Кабелен модем", "CABLE_MODEM")}),
            C("Други", {E("Софтуер за РС", "PC_SOFTWARE"), E("Мост", "BRIDGE"),
                        E("Принтер", "PRINTER"), E("Ключ", "KEY"), E("Катинар", "LOCK"),
                        E("Точки", "DOTS"), E("Облак", "CLOUD"), E("Token ring", "TOKEN_RING"),
                        E("Web клъстер", "WEB_CLUSTER"), E("UPS", "UPS"), E("RPS", "RPS")}),
        }});

    return table;
}

} // namespace

const QList<MainCategory>& mainCategories() {
    static const QList<MainCategory> table = BuildTable();
    return table;
}

const MainCategory* findMainCategory(const QString& name) {
    for (const MainCategory& main : mainCategories()) {
        if (main.name == name)
            return &main;
    }
    return nullptr;
}

const Category* findCategory(const QString& name) {
    for (const MainCategory& main : mainCategories()) {
        for (const Category& category : main.categories) {
            if (category.name == name)
                return &category;
        }
    }
    return nullptr;
}

QString keyForDisplayName(const QString& displayName) {
    for (const MainCategory& main : mainCategories()) {
        for (const Category& category : main.categories) {
            for (const Entry& entry : category.entries) {
                if (entry.displayName == displayName)
                    return entry.key;
            }
        }
    }
    return QString();
}

QStringList allKeys() {
    QStringList keys;
    for (const MainCategory& main : mainCategories()) {
        for (const Category& category : main.categories) {
            for (const Entry& entry : category.entries)
                keys.append(entry.key);
        }
    }
    return keys;
}

} // namespace ChooserTable
