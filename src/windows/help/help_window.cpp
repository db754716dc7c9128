#include "windows/help/help_window.h"

#include "cables/cable_data.h"
#include "help/help_text.h"
#include "numbers/twips.h"
#include "windows/cables/misc_data_window.h"

#include <QFontDatabase>
#include <QScreen>
#include <QVBoxLayout>

namespace tensora {

textEditor::textEditor(WindowRegistry& registry) : RegisteredWindow<QWidget>(registry) {
    setObjectName(QStringLiteral("textEditor"));
    Sessiontext = new QPlainTextEdit(this);
    Sessiontext->setObjectName(QStringLiteral("Sessiontext"));
    Sessiontext->setAccessibleName(tr("Help text"));
    // The help text aligns its tables with blanks, and keeps its own line breaks.
    Sessiontext->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Sessiontext->setLineWrapMode(QPlainTextEdit::NoWrap);
    Sessiontext->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Sessiontext->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The box fills the window at any size (the design sized it once, at load).
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Sessiontext);
    const double dots_per_inch = screen() ? screen()->logicalDotsPerInch() : 96.0;
    resize(twips_to_pixels(9480, dots_per_inch), twips_to_pixels(5685, dots_per_inch));
    Form_Load();
}

void textEditor::Form_Load() {
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") + tr("Help Window"));
    std::vector<std::filesystem::path> candidates;
    for (const QString& folder : platform().dataFileFolders()) {
        candidates.push_back(std::filesystem::path(folder.toStdString()) /
                             std::string(kCableDataFileName));
    }
    const auto lines = load_help_lines(candidates);
    if (!lines) {
        platform().message(this, missingHelpMessage());
        return;
    }
    QStringList text;
    for (const std::string& line : *lines) {
        text.append(data_file_text(line));
    }
    Sessiontext->setPlainText(text.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

} // namespace tensora
