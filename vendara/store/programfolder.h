// The program's folder and where its writable files go. The folder of the `vendara`
// executable holds the catalogue "vadata.dat", the quote note files, the handheld template
// "prodnocog.pjt", the help pages and the `dorvane` converter. When that folder cannot be
// written, or belongs to an installed copy (programs in <prefix>/bin, their files in
// <prefix>/share/vendara), the files the program writes go to the user's data folder,
// $XDG_DATA_HOME/vendara, instead.
#pragma once

// Qt
#include <QString>

namespace vendara {

class ProgramFolder
{
public:
    // `programDir`: the executable's folder; `dataDir`: the fallback for writable files
    // (empty: $XDG_DATA_HOME/vendara).
    explicit ProgramFolder(QString programDir, QString dataDir = {});
    // The folder of the running executable.
    [[nodiscard]] static ProgramFolder ofApplication();

    [[nodiscard]] const QString &programDir() const { return mProgramDir; }
    // The program folder when it can be written and is not an installed copy's, else the
    // user's data folder (created).
    [[nodiscard]] const QString &writableDir() const { return mWritableDir; }
    [[nodiscard]] bool usesDataFolder() const { return mWritableDir != mProgramDir; }

    // A file shipped with the program (help, template, converter): beside the program, or in
    // the installed copy's data folder <prefix>/share/vendara when only that one has it.
    [[nodiscard]] QString programFile(const QString &name) const;
    // A file the program writes (catalogue, quote notes, hand-off files).
    [[nodiscard]] QString writableFile(const QString &name) const;
    // The catalogue file: "vadata.dat" in the writable folder.
    [[nodiscard]] QString catalogueFile() const;

    // When the writable folder is the user's data folder and holds no catalogue yet, the
    // catalogue shipped beside the program is copied there, so that an installed copy starts
    // with it. Returns false when the copy failed.
    bool seedCatalogue() const;

private:
    QString mProgramDir;
    QString mWritableDir;
};

} // namespace vendara
