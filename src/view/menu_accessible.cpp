#include "view/menu_accessible.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QRegularExpression>
#include <QStyle>
#include <QWindow>

namespace tavolin {
namespace {

// A menu command with a shortcut, as Qt's own menu item reads it, with the
// shortcut given where a reader looks for it. A reader takes an action's
// key binding as three parts, the mnemonic, the whole key path and the
// accelerator, and speaks the accelerator after the command's name; Qt 6.4
// gives the shortcut alone, which a reader takes for the key path and keeps
// quiet.
class ShortcutMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ShortcutMenuItem(QMenu* menu, QAction* action) : menu_(menu), action_(action) {}

    bool isValid() const override { return menu_ && action_; }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return menu_ ? menu_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return action_->text().replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
        return t == QAccessible::Accelerator ? shortcut() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return menu_->actionGeometry(action_).translated(menu_->mapToGlobal(QPoint(0, 0))); }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !menu_->isVisible() || !action_->isVisible();
        state.focused = menu_->activeAction() == action_;
        state.hotTracked = menu_->style()->styleHint(QStyle::SH_Menu_MouseTracking);
        state.disabled = !action_->isEnabled();
        state.checkable = action_->isCheckable();
        state.checked = action_->isChecked();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && action_->isEnabled())
            action_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {QString(), QString(), shortcut()}; }

private:
    QString shortcut() const { return action_->shortcut().toString(); }

    QPointer<QMenu> menu_;
    QPointer<QAction> action_;
};

QAccessibleInterface* menuItemFactory(const QString& /*className*/, QObject* object)
{
    auto* action = qobject_cast<QAction*>(object);
    if (!action || action->shortcut().isEmpty())
        return nullptr;
    for (QObject* owner : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner))
            return new ShortcutMenuItem(menu, action);
    return nullptr;
}

} // namespace

void installMenuAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(menuItemFactory);
        return true;
    }();
    (void)installed;
}

} // namespace tavolin
