#include "dialogs/about.h"

#include "res/resourceicon.h"
#include "ui_about.h"

namespace {

// Only the copyright caption is translated: the rest is names and numbers. The cells never wrap;
// in every language each row fits on one line at the dialog's own size.
QString aboutText() {
    return QStringLiteral("<h2>Tessarund</h2><table>"
                          "<tr><td>Version:</td><td>" VEXALO_VERSION "</td></tr>"
                          "<tr><td style=\"white-space: nowrap\">%1</td>"
                          "<td style=\"white-space: nowrap\">&copy; 2026 Tessarund</td></tr>"
                          "</table>")
        .arg(About::tr("Copyright:").toHtmlEscaped());
}

} // namespace

About::About(QWidget* parent) : QDialog(parent), ui(new Ui_About) {
    ui->setupUi(this);
    setWindowIcon(resourceIcon(QStringLiteral("vexalo.ico")));
    ui->textBrowser->setOpenLinks(true);
    ui->textBrowser->setOpenExternalLinks(true);
    ui->textBrowser->setHtml(aboutText());
}

About::~About() {
    delete ui;
}
