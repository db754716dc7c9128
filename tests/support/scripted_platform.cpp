#include "support/scripted_platform.h"

namespace tensora::test {

void ScriptedPlatform::message(const QString& text) {
    messages.append(text);
}

bool ScriptedPlatform::question(const QString& text) {
    questions.append(text);
    if (answers.isEmpty()) {
        unexpected.append(text);
        return false;
    }
    return answers.takeFirst();
}

void ScriptedPlatform::beep() {
    ++beeps;
}

QString ScriptedPlatform::openFileName(const QString& filter) {
    if (fileNames.isEmpty()) {
        unexpected.append(QStringLiteral("open dialog: ") + filter);
        return {};
    }
    return fileNames.takeFirst();
}

QString ScriptedPlatform::saveFileName(const QString& filter) {
    if (fileNames.isEmpty()) {
        unexpected.append(QStringLiteral("save dialog: ") + filter);
        return {};
    }
    return fileNames.takeFirst();
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
    beeps = 0;
    answers.clear();
    unexpected.clear();
    fileNames.clear();
    busyChanges.clear();
}

} // namespace tensora::test
