// The Export as Bitmap file dialog: the nine picture, metafile and source filters, then SVG, PDF
// and EPS, and a resolution row under the file type, so a picture built at a printer's
// resolution prints at the symbol's true module size.
#pragma once

#include <QFileDialog>

class QComboBox;
class QSpinBox;

namespace tsy {
class CEncoderDoc;
class MessageSink;
}  // namespace tsy

namespace tsy::gui {

// The export filters in Qt's form: the nine, then the vector formats.
QStringList ExportDialogFilters();
// A name typed without an extension gets the chosen filter's first one ("JPG files" -> jpg),
// or fallback under a filter of every file.
void SuffixFollowsFilter(QFileDialog& dialog, const QString& fallback);

class ExportBitmapDialog : public QFileDialog {
    Q_OBJECT
public:
    static constexpr int kMinimumDpi = 72;
    static constexpr int kMaximumDpi = 2400;

    // As it opens for doc: the filter holding DefaultExt preselected (an empty DefaultExt first
    // becomes "bmp"), DefaultExt appended to names typed without an extension, proposed (if
    // any) as the name, the screen's resolution chosen.
    ExportBitmapDialog(CEncoderDoc& doc, const QString& proposed, QWidget* parent);

    // Dots per inch to build the picture at; 0 for the document's own (the screen's).
    int Resolution() const;
    // 0 chooses Screen, a listed resolution its entry, any other "Other:" with the spin.
    void SetResolution(int dpi);

    QComboBox* ResolutionBox() const { return choices_; }
    QSpinBox* ResolutionSpin() const { return spin_; }

private:
    void AddResolutionRow(int screenDpi);

    QComboBox* choices_ = nullptr;
    QSpinBox* spin_ = nullptr;
};

// Builds the document at dpi (0: as it is) into path, the format chosen by the extension;
// false with the writer's message shown on sink.
bool ExportDocumentAt(const CEncoderDoc& doc, const QString& path, int dpi, MessageSink* sink);

}  // namespace tsy::gui
