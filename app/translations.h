#pragma once

#include <string>
#include <unordered_map>

class QCoreApplication;
class QTranslator;

// The program's translation files by language key, relative to the working directory; the
// executable's folder and ../share/vexalo/translations beside it are searched next.
const std::unordered_map<std::string, std::string>& lang_files();

// Settles the display language ("en" when none was chosen), then loads and installs the program's
// and the toolkit's translators. Unknown languages and missing toolkit files are only logged.
void installTranslators(QCoreApplication& app, std::string language, QTranslator& appTranslator,
                        QTranslator& toolkitTranslator);
