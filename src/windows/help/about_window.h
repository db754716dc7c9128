// The About box: the program's name and version, a description, the revision of the cable data
// file, the ownership notice, and a button that starts a system information tool.
#pragma once

#include "print/qt_text.h"

#include "help/system_info.h"
#include "widgets/window_registry.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace tensora {

// The ownership and disclaimer notice of the About box.
inline QString aboutNotice() {
    return UiText::tr(
        "Warning: the results are estimates for planning. Check every pull against the cable "
        "maker's limits. Tensora is a product of Norvale; copying it without leave is forbidden.");
}

class frmAbout : public RegisteredWindow<QDialog>, public LanguageFollower {
    Q_OBJECT

public:
    explicit frmAbout(WindowRegistry& registry);

    void Form_Load();
    // Its title and texts hold the program's name and figures: written again.
    void languageChanged() override { Form_Load(); }
    void cmdOK_Click();
    void cmdSysInfo_Click();

    // Finds and starts the System Information tool, else says it is unavailable.
    void StartSysInfo();
    // One value of the system registry (see the core's GetKeyValue).
    bool GetKeyValue(std::uint32_t KeyRoot, const std::string& KeyName,
                     const std::string& SubKeyRef, std::string& KeyVal);

private:
    QWidget* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* dataRevLabel;
    QLabel* lblDescription;
    QWidget* Line1;
    QLabel* Label1;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};

inline QString sysInfoUnavailable() {
    return UiText::tr("System Information Is Unavailable At This Time");
}

} // namespace tensora
