#pragma once
// Components: an owner that destroys what it owns, a name unique among the
// owner's components (compared without regard to ASCII case), and the design
// and loading states.
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Object.h"

enum TComponentStateFlag : unsigned { csLoading = 1, csDesigning = 2, csDestroying = 4 };

class TComponent : public TObject {
public:
    TK_CLASS_NAME(TComponent)
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    // Refuses a name that is no identifier or that another component of the
    // same owner already bears (EComponentError).
    virtual void SetName(const std::string& name);

    int ComponentCount() const { return int(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(size_t(index)); }
    TComponent* FindComponent(const std::string& name) const;
    void InsertComponent(TComponent* component);
    // Destroys the owned components now, last created first.
    void DestroyComponents();
    void RemoveComponent(TComponent* component);

    intptr_t Tag() const { return FTag; }
    void SetTag(intptr_t tag) { FTag = tag; }

    unsigned ComponentState() const { return FComponentState; }
    bool IsDesigning() const { return FComponentState & csDesigning; }
    bool IsLoading() const { return FComponentState & csLoading; }
    bool IsDestroying() const { return FComponentState & csDestroying; }
    // Marks this component and everything it owns as being edited in a designer.
    void SetDesigning(bool value);
    // Loading state while a definition is applied; EndLoading calls Loaded on
    // every owned component and then on this one.
    void BeginLoading();
    void EndLoading();

    // A token that expires when the component is destroyed: code that has sent
    // a synchronous notification checks it before touching the component again.
    std::weak_ptr<void> LifeToken() const { return FLife; }

protected:
    virtual void Loaded() {}

private:
    TComponent* FOwner = nullptr;
    std::string FName;
    std::vector<TComponent*> FComponents;
    intptr_t FTag = 0;
    unsigned FComponentState = 0;
    std::shared_ptr<int> FLife = std::make_shared<int>(0);
};

// A pointer that knows whether its component still exists.
template <class T>
class TGuard {
public:
    TGuard() = default;
    TGuard(T* p) : FPtr(p), FToken(p ? p->LifeToken() : std::weak_ptr<void>()) {}
    T* Get() const { return FToken.expired() ? nullptr : FPtr; }
    bool Alive() const { return FPtr && !FToken.expired(); }

private:
    T* FPtr = nullptr;
    std::weak_ptr<void> FToken;
};
