#include "print/PrintLayout.h"

#include "files/ImageExport.h"

namespace PrintLayout {

QRectF capture(const Workspace& workspace) {
    // Measured from the elements alone, not from the canvas's corner.
    return ImageExport::wholeDiagramBox(workspace, 0, 0);
}

Page fit(const QSizeF& captured) {
    const double W = captured.width();
    const double H = captured.height();
    double width = W;
    double height = H;
    bool landscape = false;
    if (W < PrintableWidth && H < PrintableHeight) {
        // As it is, on a portrait page.
    } else if (W > PrintableWidth && W < PrintableHeight && H < PrintableWidth) {
        landscape = true;
    } else if (W >= PrintableHeight || H >= PrintableWidth) {
        if (H >= W) {
            height = PrintableHeight;
            width = PrintableHeight * W / H;
        } else {
            width = PrintableWidth;
            height = PrintableWidth * H / W;
        }
        landscape = width > height;
        // A nearly square image would come out wider than a portrait page prints: it is made
        // as wide as the page allows.
        if (!landscape && width > PrintableWidth) {
            height = height * PrintableWidth / width;
            width = PrintableWidth;
        }
    }
    Page page;
    page.landscape = landscape;
    page.size = landscape ? QSizeF(PageHeight, PageWidth) : QSizeF(PageWidth, PageHeight);
    page.image = QRectF(page.size.width() / 2 - width / 2, page.size.height() / 2 - height / 2,
                        width, height);
    return page;
}

} // namespace PrintLayout
