// Every sheet, tab by tab, as PNG files for a person to look at (not compared).
#include <QDir>
#include <QListWidget>
#include <QTabWidget>
#include <QtTest>

#include "gui/pages/ascii_ctrl_dlg.h"
#include "gui/pages/printer_resolution.h"
#include "sheet_fixture.h"

using namespace tsy;
using namespace tsy::gui;

class SheetScreenshotsTest : public QObject {
    Q_OBJECT
    test::PrivateProfile profile_;

private slots:
    void everySheetEveryTab() {
        const QString folder = qEnvironmentVariable("TSY_GUI_ARTEFACTS");
        if (folder.isEmpty()) QSKIP("TSY_GUI_ARTEFACTS is not set");
        QVERIFY(QDir().mkpath(folder));
        OverridePrinterResolution(QSize(600, 600));
        for (const DocumentType& type : DocumentTypes()) {
            test::OpenSheet open(type.kind, u"Tessaly[ CR][ LF]\r\n12345",
                                 [](CEncoderDoc& doc) { doc.m_Caption = u"Caption"; });
            const QString name = QString::fromStdU16String(std::u16string(type.fileTypeId));
            for (int i = 0; i < open.sheet->PageCount(); ++i) {
                open.sheet->SetActivePage(i);
                const QString tab = open.sheet->Tabs()->tabText(i);
                const QString file = QStringLiteral("%1/sheet-%2-%3-%4.png")
                                         .arg(folder, name, QString::number(i), tab)
                                         .replace(u' ', u'_');
                QVERIFY2(open.sheet->grab().save(file), qPrintable(file));
            }
            QVERIFY(open.sink.entries.empty());
        }
        OverridePrinterResolution(std::nullopt);
        test::OpenSheet lossy(DocumentKind::Code39, u"PRICE 5\u20AC");
        QVERIFY(lossy.sheet->grab().save(folder + QStringLiteral("/sheet-data-loss.png")));
        CAsciiCtrlDlg picker(MarkupStyle::Bracket);
        picker.show();
        picker.Pick(picker.List()->item(13));
        picker.Pick(picker.List()->item(10));
        QVERIFY(picker.grab().save(folder + QStringLiteral("/picker.png")));
    }
};

QTEST_MAIN(SheetScreenshotsTest)
#include "sheet_screenshots_test.moc"
