#include "toolkit/Component.h"

#include <algorithm>

#include "toolkit/Exceptions.h"
#include "toolkit/Types.h"

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner) {
        if (AOwner->IsDesigning())
            FComponentState |= csDesigning;
        if (AOwner->IsLoading())
            FComponentState |= csLoading;
        AOwner->InsertComponent(this);
    }
}

TComponent::~TComponent()
{
    FComponentState |= csDestroying;
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents()
{
    // Last created first, as an owner tears down what it built.
    while (!FComponents.empty()) {
        TComponent* c = FComponents.back();
        FComponents.pop_back();
        c->FOwner = nullptr;
        delete c;
    }
}

void TComponent::SetName(const std::string& name)
{
    if (name == FName)
        return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError("\"" + name + "\" is not a valid component name");
    if (!name.empty() && FOwner) {
        TComponent* other = FOwner->FindComponent(name);
        if (other && other != this)
            throw EComponentError("A component named " + name + " already exists");
    }
    FName = name;
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* c : FComponents)
        if (SameTextAscii(c->FName, name))
            return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (component->FOwner)
        component->FOwner->RemoveComponent(component);
    FComponents.push_back(component);
    component->FOwner = this;
}

void TComponent::RemoveComponent(TComponent* component)
{
    auto it = std::find(FComponents.begin(), FComponents.end(), component);
    if (it != FComponents.end())
        FComponents.erase(it);
    component->FOwner = nullptr;
}

void TComponent::SetDesigning(bool value)
{
    if (value)
        FComponentState |= csDesigning;
    else
        FComponentState &= ~unsigned(csDesigning);
    for (TComponent* c : FComponents)
        c->SetDesigning(value);
}

void TComponent::BeginLoading()
{
    FComponentState |= csLoading;
    for (TComponent* c : FComponents)
        c->BeginLoading();
}

void TComponent::EndLoading()
{
    // Copy: a Loaded handler may create components.
    std::vector<TComponent*> owned = FComponents;
    for (TComponent* c : owned)
        c->EndLoading();
    if (FComponentState & csLoading) {
        FComponentState &= ~unsigned(csLoading);
        Loaded();
    }
}
