#include "host/qt/studio/menu_bar_view.h"

#include <QMenu>
#include <QMenuBar>
#include <type_traits>

#include "common/editor/command_bars.h"
#include "host/editor/command_bars.h"

namespace norvel::host::qt {

QString menuText(const std::string& caption) {
    return QString::fromStdString(caption);
}

QString topMenuText(const std::string& caption) {
    static const std::map<std::string, QString> accessKeys = {
        {"File", "&File"},     {"Edit", "&Edit"},     {"View", "&View"},   {"Insert", "&Insert"},
        {"Format", "F&ormat"}, {"Tools", "&Tools"},   {"Table", "T&able"}, {"Frames", "F&rames"},
        {"Window", "&Window"}, {"Norvel", "&Norvel"}, {"Help", "&Help"}};
    auto found = accessKeys.find(caption);
    return found != accessKeys.end() ? found->second : menuText(caption);
}

QString withoutAccessKeys(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

MenuBarView::MenuBarView(HostCommandBar& bar, QMenuBar& menuBar, ClickRunner runClick)
    : bar_(bar), menuBar_(menuBar), runClick_(std::move(runClick)) {}

void MenuBarView::setShortcuts(std::map<std::string, QList<QKeySequence>> shortcuts) {
    shortcuts_ = std::move(shortcuts);
    built_ = false;
}

std::string MenuBarView::modelSignature() const {
    std::string signature;
    std::function<void(HostCommandBarControls&)> add = [&](HostCommandBarControls& controls) {
        for (const auto& control : controls.all()) {
            signature += std::to_string(control->Type()) + (control->Enabled() ? "+" : "-") +
                         (control->BeginGroup() ? "|" : "") + control->Caption() + '\x1f' +
                         control->Tag() + '\x1e';
            if (control->Type() == common::editor::kControlPopup) {
                signature += '{';
                add(*control->popupControls());
                signature += '}';
            }
        }
    };
    add(bar_.hostControls());
    return signature;
}

void MenuBarView::rebuild() {
    std::string signature = modelSignature();
    if (built_ && signature == shown_)
        return;
    shown_ = std::move(signature);
    built_ = true;
    // clear() leaves the menus (children of the bar) behind; drop them too, or every command
    // would leave a menu bar's worth of menus alive.
    for (QMenu* old : menuBar_.findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
        old->deleteLater();
    menuBar_.clear();
    for (const auto& control : bar_.hostControls().all())
        addControl(menuBar_, control);
}

void MenuBarView::fill(QMenu& menu, HostCommandBarControls& controls) {
    // clear() leaves the sub-menus (children of the menu) behind; drop them too.
    for (QMenu* old : menu.findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
        old->deleteLater();
    menu.clear();
    bool first = true;
    for (const auto& control : controls.all()) {
        if (control->BeginGroup() && !first)
            menu.addSeparator();
        first = false;
        addControl(menu, control);
    }
}

QAction* MenuBarView::actionFor(const QStringList& captions) const {
    QList<QAction*> actions = menuBar_.actions();
    QAction* found = nullptr;
    for (const QString& caption : captions) {
        if (found != nullptr) {
            if (found->menu() == nullptr)
                return nullptr;
            emit found->menu()->aboutToShow();
            actions = found->menu()->actions();
        }
        found = nullptr;
        for (QAction* action : actions)
            if (!action->isSeparator() &&
                (action->text() == caption ||
                 withoutAccessKeys(action->text()) == withoutAccessKeys(caption))) {
                found = action;
                break;
            }
        if (found == nullptr)
            return nullptr;
    }
    return found;
}

template <typename MenuOrBar>
void MenuBarView::addControl(MenuOrBar& target,
                             const std::shared_ptr<HostCommandBarControl>& control) {
    std::weak_ptr<HostCommandBarControl> weak = control;
    if (control->Type() == common::editor::kControlPopup) {
        bool top = std::is_same_v<MenuOrBar, QMenuBar>;
        QMenu* menu =
            target.addMenu(top ? topMenuText(control->Caption()) : menuText(control->Caption()));
        menu->setEnabled(control->Enabled() && control->popupControls()->Count() > 0);
        // Filled when it opens, and once now so that the entries exist for keyboard access.
        connect(menu, &QMenu::aboutToShow, this, [this, menu, weak] {
            if (auto popup = weak.lock())
                fill(*menu, *popup->popupControls());
        });
        fill(*menu, *control->popupControls());
        return;
    }
    QAction* action = target.addAction(menuText(control->Caption()));
    action->setEnabled(control->Enabled());
    auto shortcuts = shortcuts_.find(control->Tag());
    if (shortcuts != shortcuts_.end())
        action->setShortcuts(shortcuts->second);
    connect(action, &QAction::triggered, this, [this, weak] {
        if (auto clicked = weak.lock())
            runClick_(clicked);
    });
}

}  // namespace norvel::host::qt
