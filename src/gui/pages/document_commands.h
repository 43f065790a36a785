// The document's picture and file commands as the message page's buttons offer them: the
// clipboard, Export as Bitmap and Save As, each over the core's writers.
#pragma once

#include <functional>

class QWidget;

namespace tsy {
class CEncoderDoc;
class MessageSink;
}  // namespace tsy

namespace tsy::gui {

// A copy of the picture as the clipboard's image; nothing without a picture.
void CopyPictureToClipboard(const CEncoderDoc& doc);
// The export dialog (filters from the core's lists, DefaultExt preselected, a resolution),
// then the writer.
void ExportAsBitmap(CEncoderDoc& doc, QWidget* parent, MessageSink* sink);
// A save dialog for the document's type, then the document file.
void SaveDocumentAs(const CEncoderDoc& doc, QWidget* parent, MessageSink* sink);

// The main window knows a document's file (the proposed names, the title after Save As); when
// it sets a route the message page's button takes it instead of the plain command above.
struct DocumentCommandRoutes {
    std::function<void(CEncoderDoc&)> exportAsBitmap;
    std::function<void(CEncoderDoc&)> saveAs;
};
void SetDocumentCommandRoutes(DocumentCommandRoutes routes);
const DocumentCommandRoutes& CurrentDocumentCommandRoutes();

}  // namespace tsy::gui
