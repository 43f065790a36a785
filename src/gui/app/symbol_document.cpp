#include "gui/app/symbol_document.h"

#include <QFileInfo>
#include <utility>

namespace tsy::gui {

SymbolDocument::SymbolDocument(std::unique_ptr<CEncoderDoc> doc, QString untitledName)
    : doc_(std::move(doc)), untitled_(std::move(untitledName)) {}

void SymbolDocument::SetPath(const QString& path) {
    path_ = path;
    emit TitleChanged();
}

QString SymbolDocument::Title() const {
    return path_.isEmpty() ? untitled_ : QFileInfo(path_).fileName();
}

void SymbolDocument::SetModified(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    emit TitleChanged();
}

const QImage& SymbolDocument::Image() const {
    if (!imageValid_) {
        image_ = PictureImage(*doc_);
        imageValid_ = true;
    }
    return image_;
}

void SymbolDocument::UpdateAllViews() {
    imageValid_ = false;
    emit Updated();
}

QImage PictureImage(const CEncoderDoc& doc) {
    if (!doc.m_Picture.HasPicture()) return {};
    const RgbImage& picture = doc.m_Picture.Picture();
    const QImage view(picture.pixels.data(), picture.width, picture.height,
                      static_cast<qsizetype>(picture.rowBytes()), QImage::Format_RGB888);
    return view.copy();
}

}  // namespace tsy::gui
