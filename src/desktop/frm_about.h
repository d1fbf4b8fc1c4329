#pragma once
// The About box: the program's title, version and description, and a button that starts the
// system information tool. It is an ordinary window of its own, without an owner, so the main
// window stays usable while it is open.

#include <QDialog>

#include "desktop/sysinfo.h"

class QLabel;
class QPushButton;

namespace selvane {

inline constexpr const char* kAppTitle = "Selvane";

class frmAbout : public QDialog {
    Q_OBJECT

  public:
    // The services must outlive the box.
    explicit frmAbout(const SysInfoServices& services);

  private:
    void cmdSysInfo_Click();

    SysInfoServices m_services;
};

} // namespace selvane
