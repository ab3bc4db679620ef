#include "workspace/MainLayout.h"

#include "common/Numeric.h"

#include <algorithm>

namespace MainLayout {

QList<Placement> designPositions() {
    return {
        {QStringLiteral("cmdMenu"), 120, 120},           {QStringLiteral("cmdAdd"), 1200, 120},
        {QStringLiteral("cmdAddLast"), 2160, 120},       {QStringLiteral("cmdTekst"), 3120, 120},
        {QStringLiteral("cmdMakeEtiquetes"), 4080, 120}, {QStringLiteral("cmdCon"), 5160, 120},
        {QStringLiteral("cmdCon1"), 6120, 120},          {QStringLiteral("cmdCon2"), 7080, 120},
        {QStringLiteral("optRect"), 8160, 120},          {QStringLiteral("optElipse"), 9120, 120},
        {QStringLiteral("optLine"), 10080, 120},         {QStringLiteral("cmdNewDia"), 11040, 120},
        {QStringLiteral("cmdSave"), 12000, 120},         {QStringLiteral("cmdLoad"), 12960, 120},
        {QStringLiteral("cmdExit"), 13920, 120}};
}

static QList<Placement> leftGroup() {
    // The buttons at the left of the top row stand in the same place in the wide and
    // medium layouts.
    return {
        {QStringLiteral("cmdMenu"), 120, 120},           {QStringLiteral("cmdAdd"), 1200, 120},
        {QStringLiteral("cmdAddLast"), 2160, 120},       {QStringLiteral("cmdTekst"), 3120, 120},
        {QStringLiteral("cmdMakeEtiquetes"), 4080, 120}, {QStringLiteral("cmdCon"), 5160, 120},
        {QStringLiteral("cmdCon1"), 6120, 120},          {QStringLiteral("cmdCon2"), 7080, 120}};
}

std::optional<Result> compute(int W, int H) {
    if (!(W > 8655 && H > 6120))
        return std::nullopt;
    Result r;
    if (W > 15300) {
        r.buttons = leftGroup();
        r.buttons += {
            {QStringLiteral("optRect"), 8160, 120},      {QStringLiteral("optElipse"), 9120, 120},
            {QStringLiteral("optLine"), 10080, 120},     {QStringLiteral("cmdExit"), W - 1095, 120},
            {QStringLiteral("cmdLoad"), W - 2055, 120},  {QStringLiteral("cmdSave"), W - 3015, 120},
            {QStringLiteral("cmdNewDia"), W - 3975, 120}};
        r.canvasTop = 960;
        r.canvasWidth = W - 300;
        r.canvasHeight = H - 1395;
        return r;
    }
    if (W > 12495 && W < 15300) {
        r.buttons = leftGroup();
        r.buttons += {{QStringLiteral("optRect"), W - 3018, 120},
                      {QStringLiteral("optElipse"), W - 2058, 120},
                      {QStringLiteral("optLine"), W - 1098, 120},
                      {QStringLiteral("cmdNewDia"), 120, 960},
                      {QStringLiteral("cmdSave"), 1080, 960},
                      {QStringLiteral("cmdLoad"), 2040, 960},
                      {QStringLiteral("cmdExit"), 3000, 960}};
    } else if (W > 9135 && W < 12495) {
        r.buttons = {{QStringLiteral("cmdCon"), W - 3015, 120},
                     {QStringLiteral("cmdCon1"), W - 2055, 120},
                     {QStringLiteral("cmdCon2"), W - 1095, 120},
                     {QStringLiteral("optRect"), 120, 960},
                     {QStringLiteral("optElipse"), 1080, 960},
                     {QStringLiteral("optLine"), 2040, 960},
                     {QStringLiteral("cmdNewDia"), W - 3975, 960},
                     {QStringLiteral("cmdSave"), W - 3015, 960},
                     {QStringLiteral("cmdLoad"), W - 2055, 960},
                     {QStringLiteral("cmdExit"), W - 1095, 960}};
    } else {
        return std::nullopt;
    }
    r.canvasTop = 1800;
    r.canvasWidth = W - 300;
    r.canvasHeight = H - 2190;
    return r;
}

int enlargedScrollMaximum(int maximum) {
    if (maximum == 0)
        return 200;
    return std::min(RoundHalfEven(maximum + maximum / 10.0), 32767);
}

} // namespace MainLayout
