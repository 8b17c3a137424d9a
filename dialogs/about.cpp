#include "dialogs/about.h"

#include "res/resourceicon.h"
#include "ui_about.h"

namespace {

// Names and numbers only, so it is the same in every language.
const char* const aboutText =
    "<h2>Tessarund</h2><table>"
    "<tr><td>Version:</td><td>" VEXALO_VERSION "</td></tr>"
    "<tr><td>Copyright:</td><td>&copy; 2026 Tessarund developers</td></tr>"
    "<tr><td>Website:</td><td>"
    "<a href=\"https://tessarund.example/\">https://tessarund.example/</a></td></tr>"
    "</table>";

} // namespace

About::About(QWidget* parent) : QDialog(parent), ui(new Ui_About) {
    ui->setupUi(this);
    setWindowIcon(resourceIcon(QStringLiteral("vexalo.ico")));
    ui->textBrowser->setOpenLinks(true);
    ui->textBrowser->setOpenExternalLinks(true);
    ui->textBrowser->setHtml(QString::fromLatin1(aboutText));
}

About::~About() {
    delete ui;
}
