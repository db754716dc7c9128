#include "support/scripted_platform.h"

#include "support/fake_browser.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QWidget>

namespace tensora::test {

void ScriptedPlatform::message(QWidget* owner, const QString& text) {
    messages.append(text);
    owners.append(owner ? owner->objectName() : QString());
}

bool ScriptedPlatform::question(QWidget* owner, const QString& text) {
    questions.append(text);
    owners.append(owner ? owner->objectName() : QString());
    if (answers.isEmpty()) {
        unexpected.append(text);
        return false;
    }
    return answers.takeFirst();
}

Platform::SaveAnswer ScriptedPlatform::askToSave(QWidget* owner, const QString& text) {
    questions.append(text);
    owners.append(owner ? owner->objectName() : QString());
    if (saveAnswers.isEmpty()) {
        unexpected.append(text);
        return SaveAnswer::Cancel;
    }
    return saveAnswers.takeFirst();
}

void ScriptedPlatform::beep() {
    ++beeps;
}

QString ScriptedPlatform::openFileName(QWidget*, const QString& title, const QString& filter) {
    dialogTitles.append(title);
    filters.append(filter);
    if (fileNames.isEmpty()) {
        unexpected.append(QStringLiteral("open dialog: ") + filter);
        return {};
    }
    return fileNames.takeFirst();
}

QString ScriptedPlatform::saveFileName(QWidget*, const QString& title, const QString& filter) {
    dialogTitles.append(title);
    filters.append(filter);
    if (fileNames.isEmpty()) {
        unexpected.append(QStringLiteral("save dialog: ") + filter);
        return {};
    }
    return fileNames.takeFirst();
}

BrowserEngine* ScriptedPlatform::makeBrowserEngine(const QString& home, QWidget* parent) {
    if (realBrowser) {
        return DesktopPlatform::makeBrowserEngine(home, parent);
    }
    auto* engine = new FakeBrowserEngine(parent);
    browsers.append(engine);
    return engine;
}

bool ScriptedPlatform::print(QWidget*, const std::function<int(QPagedPaintDevice&)>& render) {
    if (!printing) {
        return false;
    }
    QBuffer buffer(&printed);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    return render(writer) > 0;
}

bool ScriptedPlatform::openInDesktopBrowser(const QString& address) {
    openedOutside.append(address);
    return true;
}

bool ScriptedPlatform::startProgram(const QString& path) {
    started.append(path);
    return !unstartable.contains(path);
}

void ScriptedPlatform::setBusy(bool busy) {
    busyChanges.append(busy);
}

QDateTime ScriptedPlatform::now() const {
    return clock ? *clock : DesktopPlatform::now();
}

void ScriptedPlatform::clear() {
    messages.clear();
    questions.clear();
    owners.clear();
    beeps = 0;
    answers.clear();
    unexpected.clear();
    fileNames.clear();
    filters.clear();
    busyChanges.clear();
}

} // namespace tensora::test
