// The base of every sheet page: the document it edits, its binding table and the load/store
// cycle with the document.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "gui/framework/page_binding.h"

namespace tsy {
class CEncoderDoc;
class MessageSink;
}  // namespace tsy

namespace tsy::gui {

class CTsyPage : public QWidget {
    Q_OBJECT
public:
    explicit CTsyPage(const QString& caption, QWidget* parent = nullptr);
    ~CTsyPage() override;

    // The tab's text.
    const QString& Caption() const { return caption_; }

    // Stores the document and builds the page's binding table over it.
    virtual void SetDocument(CEncoderDoc* doc);
    CEncoderDoc* Document() const { return doc_; }

    // Document -> controls.
    void Load();
    // Controls -> document; false when a control's value was refused (the user was told).
    bool Store();

    // The tab is shown: the first time the page initialises itself; every time it reloads.
    virtual void OnSetActive();
    // The tab is left, or the sheet confirmed: stores the controls.
    virtual bool OnKillActive();
    // False until the tab was first shown: such a page never exchanges data.
    bool Initialised() const { return initialised_; }

    // Changes made but not stored yet (the Apply button of a sheet that has one).
    void SetModified(bool modified);
    bool Modified() const { return modified_; }

    // Where the page's message boxes go (default: a box over the page).
    void SetMessageSink(MessageSink* sink) { sink_ = sink; }
    MessageSink* Sink() const;

signals:
    void ModifiedChanged(bool modified);

protected:
    // The page's table; called by SetDocument once the document is known.
    virtual void BindControls(PageBinding& binding, CEncoderDoc& doc);
    // Runs once, at the first activation, before the first load.
    virtual void OnInitDialog() {}
    // The whole exchange in one direction: the table, then ExchangeExtras.
    virtual bool DataExchange(bool save);
    // What the table cannot say: values derived from several controls, calls on the document.
    virtual void ExchangeExtras(bool /*save*/) {}
    // A bound control was edited by the user.
    virtual void OnControlChanged(PageBinding::React react);

    PageBinding& Binding() { return binding_; }
    template <class Doc>
    Doc& DocAs() const {
        return static_cast<Doc&>(*doc_);
    }

private:
    QString caption_;
    CEncoderDoc* doc_ = nullptr;
    PageBinding binding_;
    bool initialised_ = false;
    bool modified_ = false;
    MessageSink* sink_ = nullptr;
    std::unique_ptr<MessageSink> ownSink_;
};

}  // namespace tsy::gui
