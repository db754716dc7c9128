// The program's list of loaded windows, in creation order. Every window exists at most once:
// it is created and loaded on first reference (hidden unless shown), and closing it discards
// it, so the next reference starts again from its design state. Windows reach each other only
// through here.
#pragma once

#include "widgets/language.h"
#include "widgets/one_line_boxes.h"
#include "widgets/platform.h"
#include "widgets/unit_follower.h"

#include <QCloseEvent>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <string_view>

namespace tensora {

class WindowRegistry {
public:
    explicit WindowRegistry(Platform& platform);
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    Platform& platform() const { return platform_; }

    // The unit system every window shows: the one last chosen (kept in the settings), else the
    // locale's. Choosing another switches every loaded window that shows quantities at once.
    UnitSystem units() const { return units_; }
    void setUnits(UnitSystem units);

    // The language chosen in the options ("" for the system's) and the one the windows speak.
    // Choosing another translates every loaded window at once.
    QString language() const { return language_; }
    QString spokenLanguage() const { return translations_.current(); }
    void setLanguage(const QString& code);
    // A text the windows showed in any language, in the one they speak now.
    QString retranslated(const QString& shown, const QObject* where) const {
        return translations_.translator().retranslated(shown, where);
    }

    // The loaded window of this class, or nullptr.
    template <class Window> Window* find() const {
        for (const auto& window : windows_) {
            if (auto* match = qobject_cast<Window*>(window.data())) {
                return match;
            }
        }
        return nullptr;
    }

    // The window of this class, created and loaded (hidden) when it is not loaded yet.
    template <class Window> Window& get() {
        if (auto* existing = find<Window>()) {
            return *existing;
        }
        auto* window = new Window(*this); // owned by the registry until it is closed
        keep_boxes_on_one_line(*window);
        makers_.insert(QString::fromLatin1(Window::staticMetaObject.className()),
                       [this]() -> QWidget* { return &get<Window>(); });
        return *window;
    }

    // The window of the class named (as its meta-object names it), created and loaded again
    // when it has been closed, for a window that hands something back to one it knows only by
    // an interface; nullptr for a class never created.
    QWidget* getByClass(const QString& class_name);

    // Makes the window visible and brings it to the front; an open window keeps its contents.
    template <class Window> Window& show() {
        Window& window = get<Window>();
        bring_to_front(window);
        return window;
    }
    static void show(QWidget& window) { bring_to_front(window); }

    // Called by every window as it is constructed, and when it is closed.
    void add(QWidget* window);
    void forget(QWidget* window);

    QList<QWidget*> loadedWindows() const;

    // Closes every window but the first (the main window), most recent first.
    void closeAllButFirst();

    // Whether a window that closes may drop the document's changes that are not saved: the
    // shell asks the user `question` (Save, Discard or Cancel) and saves on Save. Without a
    // shell, and while every window is closed at the end, they may.
    using DocumentGuard = std::function<bool(QWidget* asking, const QString& question)>;
    void setDocumentGuard(DocumentGuard guard) { document_guard_ = std::move(guard); }
    bool mayDropChanges(QWidget* asking, const QString& question) const;

private:
    static void bring_to_front(QWidget& window);

    Platform& platform_;
    UnitSystem units_;
    QString language_;
    Translations translations_;
    QList<QPointer<QWidget>> windows_;
    QHash<QString, std::function<QWidget*()>> makers_; // by class name
    DocumentGuard document_guard_;
    bool closing_all_ = false;
    // Receives the windows' destroyed signals; it goes with the registry, and so do those
    // connections, so a window deleted later (a closed one awaiting deletion) finds no
    // registry to call.
    QObject connections_;
};

// Base of every window: registers itself, is discarded when closed. Base is QWidget or
// QMainWindow.
template <class Base> class RegisteredWindow : public Base {
public:
    WindowRegistry& registry() const { return registry_; }
    Platform& platform() const { return registry_.platform(); }

protected:
    explicit RegisteredWindow(WindowRegistry& registry) : registry_(registry) {
        this->setAttribute(Qt::WA_DeleteOnClose);
        registry_.add(this);
    }

    void closeEvent(QCloseEvent* event) override {
        Base::closeEvent(event);
        if (event->isAccepted()) {
            registry_.forget(this);
        }
    }

private:
    WindowRegistry& registry_;
};

} // namespace tensora
