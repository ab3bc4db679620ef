#include "objects/PictureFile.h"

#include "common/CappedImageReader.h"
#include "common/PictureLimits.h"
#include "common/Prompter.h"

#include <QFileInfo>
#include <QImageReader>

std::optional<QImage> ReadPictureFile(Prompter& prompter, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const auto refuse = [&](const QString& text) {
        prompter.message(QStringLiteral("Грешка"), text, Prompter::Icon::Warning,
                         Prompter::Buttons::Ok);
        return std::nullopt;
    };

    AllowDecodingUpTo(LargestImportedPictureSide);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("dib"))
        reader.setFormat("bmp");
    const CappedImage read = ReadCappedImage(reader, LargestImportedPictureSide);
    if (read.outcome == CappedImage::Outcome::TooLarge)
        return refuse(
            QStringLiteral("Картинката „%1“ е твърде голяма (%2 x %3 точки). Най-големият "
                           "допустим размер е %4 x %4 точки.")
                .arg(name)
                .arg(read.size.width())
                .arg(read.size.height())
                .arg(LargestImportedPictureSide));
    if (read.outcome == CappedImage::Outcome::Unreadable) {
        if (suffix == QLatin1String("wmf") || suffix == QLatin1String("emf"))
            return refuse(QStringLiteral("Файлът „%1“ е метафайл (WMF/EMF), а този формат не се "
                                         "поддържа. Запазете картинката като BMP, PNG, JPEG или "
                                         "GIF и опитайте отново.")
                              .arg(name));
        return refuse(
            QStringLiteral("Файлът „%1“ не може да бъде прочетен като картинка.").arg(name));
    }
    return read.picture;
}
