#include "desktop/frm_about.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/icons.h"

namespace selvane {

namespace {
QFrame* separatorLine(QWidget* parent, const char* name, QPalette::ColorRole shade) {
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setFixedHeight(1);
    QPalette p = line->palette();
    p.setColor(QPalette::WindowText, p.color(shade));
    line->setPalette(p);
    return line;
}
} // namespace

frmAbout::frmAbout(const SysInfoServices& services) : m_services(services) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose); // closing unloads the box
    setWindowTitle(tr("About %1").arg(QLatin1String(kAppTitle)));

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(programIcon());
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* lblTitle = new QLabel(QLatin1String(kAppTitle), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    auto* lblVersion = new QLabel(tr("Version %1.%2.%3")
                                      .arg(SELVANE_VERSION_MAJOR)
                                      .arg(SELVANE_VERSION_MINOR)
                                      .arg(SELVANE_VERSION_PATCH),
                                  this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    auto* lblDescription =
        new QLabel(tr("Loans, mortgages, leases, income and savings at a glance."), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));

    auto* cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(8);
    texts->addWidget(lblDescription);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    // Two lines, dark over light, give the etched rule between the text and the buttons.
    auto* rule = new QVBoxLayout;
    rule->setSpacing(0);
    rule->addWidget(separatorLine(this, "Line1_0", QPalette::Mid));
    rule->addWidget(separatorLine(this, "Line1_1", QPalette::Light));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(rule);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo(m_services, kAppTitle);
}

} // namespace selvane
