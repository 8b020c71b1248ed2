// Actions: one command (caption, state, handler) shared by the buttons and items that run it.
#pragma once

#include "platform/runtime/component.h"

#include <functional>
#include <memory>
#include <vector>

namespace gw {

class TBasicActionLink;
class TActionList;
class TControl;
class TImageList;

class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* AOwner);
    ~TBasicAction() override;
    String ClassName() const override { return u"TBasicAction"; }

    // Runs the action: the action list's OnExecute first, then OnExecute; true when handled.
    virtual bool Execute();
    // Lets OnUpdate refresh the state; true when handled.
    virtual bool Update();
    // The control or item that ran the action last (set by the link while it runs).
    TComponent* ActionComponent = nullptr;

    void RegisterChanges(TBasicActionLink* Link);
    void UnRegisterChanges(TBasicActionLink* Link);

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;

protected:
    // Tells every link that a property changed.
    void Change();
    const std::vector<TBasicActionLink*>& Clients() const { return m_clients; }

private:
    std::vector<TBasicActionLink*> m_clients;
};

// A link from one client (a control, a menu item) to an action.
class TBasicActionLink {
public:
    TBasicActionLink() = default;
    virtual ~TBasicActionLink();
    TBasicActionLink(const TBasicActionLink&) = delete;
    TBasicActionLink& operator=(const TBasicActionLink&) = delete;

    TBasicAction* Action() const { return m_action; }
    virtual void SetAction(TBasicAction* Value);
    // Runs the action for Target; false when no action or nobody handled it.
    virtual bool Execute(TComponent* Target = nullptr);
    // The action changed: the client takes the linked properties.
    virtual void Change() {}

private:
    friend class TBasicAction;
    TBasicAction* m_action = nullptr;
};

// An action that belongs to an action list.
class TContainedAction : public TBasicAction {
public:
    explicit TContainedAction(TComponent* AOwner) : TBasicAction(AOwner) {}
    ~TContainedAction() override;
    String ClassName() const override { return u"TContainedAction"; }
    TActionList* ActionList() const { return m_actionList; }
    void SetActionList(TActionList* Value);
    String Category;
    bool Execute() override;
    bool Update() override;

private:
    TActionList* m_actionList = nullptr;
};

class TCustomAction : public TContainedAction {
public:
    explicit TCustomAction(TComponent* AOwner) : TContainedAction(AOwner) {}
    String ClassName() const override { return u"TCustomAction"; }

    const String& Caption() const { return m_caption; }
    void SetCaption(const String& Value);
    bool Checked() const { return m_checked; }
    // Checking an action of a group unchecks the others of the same list and group.
    void SetChecked(bool Value);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool Value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool Value);
    const String& Hint() const { return m_hint; }
    void SetHint(const String& Value);
    Integer GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(Integer Value);
    Integer ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(Integer Value);
    // Running the action toggles Checked first.
    bool AutoCheck = false;

    // Disabled actions do not run.
    bool Execute() override;

private:
    String m_caption;
    bool m_checked = false;
    bool m_enabled = true;
    bool m_visible = true;
    String m_hint;
    Integer m_groupIndex = 0;
    Integer m_imageIndex = -1;
};

class TAction : public TCustomAction {
public:
    explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}
    String ClassName() const override { return u"TAction"; }
};

using TActionEvent = std::function<void(TBasicAction* Action, bool& Handled)>;

class TActionList : public TComponent {
public:
    explicit TActionList(TComponent* AOwner) : TComponent(AOwner) {}
    ~TActionList() override;
    String ClassName() const override { return u"TActionList"; }

    Integer ActionCount() const { return Integer(m_actions.size()); }
    TContainedAction* Actions(Integer Index) const { return m_actions.at(std::size_t(Index)); }
    Integer IndexOf(const TContainedAction* Action) const;
    // The pictures of the actions (ImageIndex), not owned.
    TImageList* Images = nullptr;
    // Runs before the action's own OnExecute; setting Handled stops it there.
    TActionEvent OnExecute;
    TActionEvent OnUpdate;

private:
    friend class TContainedAction;
    std::vector<TContainedAction*> m_actions;
};

// The properties a link carries over from the action to its client.
class TActionLink : public TBasicActionLink {
public:
    virtual bool IsCaptionLinked() const;
    virtual bool IsCheckedLinked() const;
    virtual bool IsEnabledLinked() const;
    virtual bool IsGroupIndexLinked() const;
    virtual bool IsHintLinked() const;
    virtual bool IsVisibleLinked() const;
    virtual void SetCaption(const String& Value) { (void)Value; }
    virtual void SetChecked(bool Value) { (void)Value; }
    virtual void SetEnabled(bool Value) { (void)Value; }
    virtual void SetGroupIndex(Integer Value) { (void)Value; }
    virtual void SetHint(const String& Value) { (void)Value; }
    virtual void SetVisible(bool Value) { (void)Value; }
    void Change() override;

protected:
    TCustomAction* CustomAction() const;
};

// Links a control: caption, enabled, hint and visible follow the action while the control's
// value still equals the action's; the control's click runs the action.
class TControlActionLink : public TActionLink {
public:
    explicit TControlActionLink(TControl* Client) : m_client(Client) {}
    TControl* Client() const { return m_client; }
    // Takes the action and copies its caption, enabled, hint and visible to the control.
    void SetAction(TBasicAction* Value) override;
    bool Execute(TComponent* Target = nullptr) override;
    // The action was set or changed: for what a control takes beyond the common properties
    // (a picture from the action list's images, a checked state).
    std::function<void(TBasicAction* Action)> OnActionChange;
    void Change() override;

    bool IsCaptionLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsHintLinked() const override;
    bool IsVisibleLinked() const override;
    void SetCaption(const String& Value) override;
    void SetEnabled(bool Value) override;
    void SetHint(const String& Value) override;
    void SetVisible(bool Value) override;

protected:
    TControl* m_client;
};

// A control's hold on its action: the link is made on the first assignment and dropped when
// the action is cleared or freed (the control passes its removal notices here).
class TControlAction {
public:
    explicit TControlAction(TControl* Client, std::function<void(TBasicAction*)> OnChange = {})
        : m_client(Client), m_onChange(std::move(OnChange))
    {
    }
    TBasicAction* Action() const { return m_link ? m_link->Action() : nullptr; }
    void SetAction(TBasicAction* Value);
    void Notification(TComponent* AComponent, TOperation Operation);
    // Runs the action on the control's click; false when there is none or it did not run.
    bool Execute(TComponent* Target) { return m_link && m_link->Execute(Target); }

private:
    TControl* m_client;
    std::function<void(TBasicAction*)> m_onChange;
    std::unique_ptr<TControlActionLink> m_link;
};

}  // namespace gw
