// One open symbol document of the window program: the core document, its file and title, and the
// change notice its views follow.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <memory>

#include "document/encoder_doc.h"

namespace tsy::gui {

class SymbolDocument : public QObject {
    Q_OBJECT
public:
    // untitledName: "Aztec1", the title until the document has a file.
    SymbolDocument(std::unique_ptr<CEncoderDoc> doc, QString untitledName);

    CEncoderDoc& Doc() { return *doc_; }
    const CEncoderDoc& Doc() const { return *doc_; }

    const QString& Path() const { return path_; }
    void SetPath(const QString& path);
    // The file's name, or the untitled name.
    QString Title() const;

    bool IsModified() const { return modified_; }
    void SetModified(bool modified);

    // The picture as the views draw it; null without a picture.
    const QImage& Image() const;

    // Announces a changed picture to every view (the framework's UpdateAllViews).
    void UpdateAllViews();

signals:
    void Updated();
    void TitleChanged();

private:
    std::unique_ptr<CEncoderDoc> doc_;
    QString untitled_;
    QString path_;
    bool modified_ = false;
    mutable QImage image_;
    mutable bool imageValid_ = false;
};

// The document's picture as an image; null without a picture.
QImage PictureImage(const CEncoderDoc& doc);

}  // namespace tsy::gui
