// `frmAbout`, the about box: the program's name and picture, "Product Encyclopedia for Your
// Palmpilot", the version from the build, the catalogue file in use, OK (`cmdOK`) and
// "&System Info..." (`cmdSysInfo`).
#pragma once

// Qt
#include <QDialog>

class QLabel;
class QPushButton;

namespace vendara {

class SystemInformation;

class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(const QString &catalogueFile, SystemInformation &systemInformation,
             QWidget *parent = nullptr);

    // "Version " and the major, minor and revision numbers of the build joined by ".".
    [[nodiscard]] static QString versionText();

    [[nodiscard]] QLabel *lblVersion() const { return mVersion; }
    [[nodiscard]] QLabel *lblDescription() const { return mDescription; }
    [[nodiscard]] QLabel *lblCatalogue() const { return mCatalogue; }
    [[nodiscard]] QPushButton *cmdOK() const { return mOk; }
    [[nodiscard]] QPushButton *cmdSysInfo() const { return mSysInfo; }

private:
    QLabel *mVersion;
    QLabel *mDescription;
    QLabel *mCatalogue;
    QPushButton *mOk;
    QPushButton *mSysInfo;
};

} // namespace vendara
