#include "gui/app/recent_files.h"

#include <QDir>
#include <QFileInfo>

#include "platform/profile.h"

namespace tsy::gui {
namespace {

constexpr std::u16string_view kSection = u"Recent File List";

std::u16string Entry(int i) {
    return (QStringLiteral("File%1").arg(i + 1)).toStdU16String();
}

}  // namespace

RecentFileList::RecentFileList() {
    for (int i = 0; i < kSize; ++i) {
        const QString path = QString::fromStdU16String(GetProfileString(kSection, Entry(i)));
        if (!path.isEmpty() && !files_.contains(path)) files_.append(path);
    }
}

void RecentFileList::Add(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    files_.removeAll(full);
    files_.prepend(full);
    while (files_.size() > kSize) files_.removeLast();
    Write();
}

void RecentFileList::Remove(const QString& path) {
    if (files_.removeAll(path) > 0) Write();
}

void RecentFileList::Write() const {
    for (int i = 0; i < kSize; ++i) {
        const QString path = i < files_.size() ? files_[i] : QString();
        WriteProfileString(kSection, Entry(i), path.toStdU16String());
    }
}

QString RecentFileMenuText(const QStringList& files, int index) {
    const QString name = QFileInfo(files[index]).fileName();
    int same = 0;
    for (const QString& other : files)
        if (QFileInfo(other).fileName() == name) ++same;
    QString shown = same > 1 ? QDir::toNativeSeparators(files[index]) : name;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QString number =
        index < 9 ? QStringLiteral("&%1").arg(index + 1) : QStringLiteral("1&%1").arg(index - 9);
    return number + QLatin1Char(' ') + shown;
}

}  // namespace tsy::gui
