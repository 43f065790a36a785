// What every sheet test program shares: a private profile, documents and their open sheets.
#pragma once

#include <QDialog>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

#include "document/encoder_doc.h"
#include "gui/framework/property_sheet.h"
#include "gui/framework/tsy_page.h"
#include "gui/sheets/sheet_factory.h"
#include "platform/message_sink.h"
#include "symbologies/document_types.h"

namespace tsy::gui::test {

// Points the profile at a fresh folder; create it before any document.
class PrivateProfile {
public:
    PrivateProfile() { qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8()); }
    QString Path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

// A document of one type with its sheet shown, every page reporting to one recording sink.
struct OpenSheet {
    explicit OpenSheet(DocumentKind kind, std::u16string_view message = u"ABC",
                       const std::function<void(CEncoderDoc&)>& setUp = {})
        : doc(CreateDocument(kind)) {
        doc->m_Message = message;
        if (setUp) setUp(*doc);
        doc->BuildSymbol();
        dialog = CreateSheet(*doc);
        sheet = static_cast<PropertySheet*>(dialog.get());
        for (int i = 0; i < sheet->PageCount(); ++i) sheet->Page(i)->SetMessageSink(&sink);
        sheet->show();
    }
    template <class Page>
    Page* Find() const {
        for (int i = 0; i < sheet->PageCount(); ++i)
            if (auto* page = qobject_cast<Page*>(sheet->Page(i))) return page;
        return nullptr;
    }
    // Shows the page's tab and returns the page.
    template <class Page>
    Page* Show() const {
        for (int i = 0; i < sheet->PageCount(); ++i)
            if (auto* page = qobject_cast<Page*>(sheet->Page(i))) {
                sheet->SetActivePage(i);
                return page;
            }
        return nullptr;
    }
    std::vector<std::u16string> Messages() const {
        std::vector<std::u16string> texts;
        for (const auto& e : sink.entries) texts.push_back(e.text);
        return texts;
    }

    std::unique_ptr<CEncoderDoc> doc;
    std::unique_ptr<QDialog> dialog;
    PropertySheet* sheet = nullptr;
    RecordingMessageSink sink;
};

}  // namespace tsy::gui::test
