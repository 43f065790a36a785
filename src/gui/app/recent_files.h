// The recent-file list: 12 paths, newest first, kept in the profile's "Recent File List" section
// as File1 to File12 so the list survives the program.
#pragma once

#include <QString>
#include <QStringList>

namespace tsy::gui {

class RecentFileList {
public:
    static constexpr int kSize = 12;

    // Reads the profile.
    RecentFileList();

    const QStringList& Files() const { return files_; }
    // Moves path to the front (adding it when new) and writes the profile.
    void Add(const QString& path);
    void Remove(const QString& path);

private:
    void Write() const;

    QStringList files_;
};

// "&1 label.azt", or the whole path when names repeat: the menu text of entry index.
QString RecentFileMenuText(const QStringList& files, int index);

}  // namespace tsy::gui
