#include "widgets/window_registry.h"

#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace tensora {

namespace {

const QString kUnitsSection = QStringLiteral("Options");
const QString kUnitsKey = QStringLiteral("Units");
const QString kLanguageKey = QStringLiteral("Language");

} // namespace

WindowRegistry::WindowRegistry(Platform& platform)
    : platform_(platform),
      units_(unit_system_by_key(
                 platform.readSetting(kUnitsSection, kUnitsKey, QString()).toStdString())
                 .value_or(platform.localeUnits())),
      language_(platform.readSetting(kUnitsSection, kLanguageKey, QString())) {
    translations_.use(language_, platform.systemLanguage());
}

void WindowRegistry::setLanguage(const QString& code) {
    platform_.writeSetting(kUnitsSection, kLanguageKey, code);
    language_ = code;
    translations_.use(code, platform_.systemLanguage());
    for (QWidget* window : loadedWindows()) {
        if (auto* follower = dynamic_cast<LanguageFollower*>(window)) {
            follower->languageChanged();
        }
    }
}

void WindowRegistry::setUnits(UnitSystem units) {
    platform_.writeSetting(
        kUnitsSection, kUnitsKey,
        QString::fromLatin1(unit_system_key(units).data(),
                            static_cast<qsizetype>(unit_system_key(units).size())));
    if (units == units_) {
        return;
    }
    const UnitSystem from = units_;
    units_ = units;
    for (QWidget* window : loadedWindows()) {
        if (auto* follower = dynamic_cast<UnitFollower*>(window)) {
            follower->unitsChanged(from, units);
        }
    }
}

WindowRegistry::~WindowRegistry() {
    // Windows still loaded when the program ends (hidden ones included) go with the registry.
    const auto remaining = windows_;
    windows_.clear();
    for (auto it = remaining.rbegin(); it != remaining.rend(); ++it) {
        delete it->data();
    }
}

void WindowRegistry::add(QWidget* window) {
    windows_.append(window);
    QObject::connect(window, &QObject::destroyed, &connections_,
                     [this, window] { forget(window); });
}

void WindowRegistry::forget(QWidget* window) {
    windows_.removeIf([window](const QPointer<QWidget>& entry) {
        return entry.isNull() || entry.data() == window;
    });
}

QList<QWidget*> WindowRegistry::loadedWindows() const {
    QList<QWidget*> list;
    for (const auto& window : windows_) {
        if (!window.isNull()) {
            list.append(window.data());
        }
    }
    return list;
}

void WindowRegistry::closeAllButFirst() {
    const QList<QWidget*> list = loadedWindows();
    closing_all_ = true;
    for (qsizetype i = list.size() - 1; i >= 1; --i) {
        list[i]->close();
    }
    closing_all_ = false;
}

bool WindowRegistry::mayDropChanges(QWidget* asking, const QString& question) const {
    return closing_all_ || !document_guard_ || document_guard_(asking, question);
}

namespace {

// The window's frame, title bar to bottom edge, within the screen's room for windows: moved
// onto it, and made smaller where it is larger. Until the window manager has framed it, the
// frame of a typical title bar and border stands for its own.
void fit_on_screen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen || window.isMaximized() || window.isFullScreen()) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QRect inner = window.geometry();
    QRect outer = window.frameGeometry();
    if (outer == inner) {
        outer = inner.adjusted(-4, -30, 4, 4);
    }
    const int frame_width = outer.width() - inner.width();
    const int frame_height = outer.height() - inner.height();
    const QSize room(available.width() - frame_width, available.height() - frame_height);
    if (inner.width() > room.width() || inner.height() > room.height()) {
        window.resize(std::min(inner.width(), room.width()), std::min(inner.height(), room.height()));
        outer.setSize(window.size() + QSize(frame_width, frame_height));
    }
    const QPoint corner(std::clamp(outer.left(), available.left(),
                                   std::max(available.left(), available.right() - outer.width() + 1)),
                        std::clamp(outer.top(), available.top(),
                                   std::max(available.top(), available.bottom() - outer.height() + 1)));
    if (corner != outer.topLeft()) {
        window.move(corner); // a move places the frame's corner
    }
}

} // namespace

void WindowRegistry::bring_to_front(QWidget& window) {
    const bool first = !window.isVisible();
    window.show();
    if (first) {
        fit_on_screen(window);
        // Again once the window manager has framed and placed it.
        QTimer::singleShot(150, &window, [&window] { fit_on_screen(window); });
    }
    if (window.isMinimized()) {
        window.showNormal();
    }
    window.raise();
    window.activateWindow();
}

QWidget* WindowRegistry::getByClass(const QString& class_name) {
    const auto maker = makers_.constFind(class_name);
    return maker == makers_.constEnd() ? nullptr : (*maker)();
}

} // namespace tensora
