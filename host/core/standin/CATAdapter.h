#ifndef CATAdapter_h
#define CATAdapter_h

// Contract: the stand-in's own header; none of it is the host's. Host
// headers of the stand-in build on it; the library never names it.

// Adapters: the one way in which a component of the object model offers an
// interface. A component is an object whose identity is itself; each of its
// interfaces is implemented by a separate adapter object that forwards to
// the component. So one component offers any number of interfaces, and
// handles of different interfaces of one component compare equal.
//
//   class Wall : public CATComponent { ... data ... };
//
//   class WallAlias : public CATAdapterOf<CATIAlias, Wall> {
//    public:
//     using CATAdapterOf::CATAdapterOf;
//     CATUnicodeString GetAlias() override { return Object()->name; }
//   };
//
// An adapter holds one reference to its component for as long as it lives,
// and counts its own references.
// Asked for IID_CATBaseUnknown it gives the component (identity); asked for
// its own interface it gives itself; every other interface is asked of the
// component. Adapters are made on demand by the component (CATComponent.h)
// or, for interfaces that extensions add to a component, by the
// object-model dictionary (CATDictionary.h, CATTie.h).
//
// A component keeps the adapters it made (CATKeptAdapter below): a kept
// adapter's references are its component's, so that asking an interface
// again costs a lookup and a reference, not an object. Adapters that the
// dictionary makes are made anew for each request.

#include <cstring>
#include <new>

#include "CATBaseUnknown.h"

// What a component needs of an adapter that it keeps.
class CATKeptAdapter {
 public:
  // The adapter as a pointer to its interface.
  virtual CATBaseUnknown* AsInterface() = 0;
  // True when the adapter adapts `component`: only then can it be kept.
  virtual bool Adapts(const CATBaseUnknown* component) const = 0;
  // From now on the adapter lives exactly as long as its component:
  // AddRef and Release count the component's references, and the
  // reference that the adapter held on its component becomes the one its
  // maker handed out.
  virtual void KeepWithComponent() = 0;
  // Destroys a kept adapter; only its component's destructor calls it.
  virtual void DestroyWithComponent() = 0;

 protected:
  ~CATKeptAdapter() = default;

 private:
  friend class CATComponent;
  // The component's list of the adapters it keeps, oldest first, each with
  // the entry of the component's set it was made for (null once the set
  // changed: kept only to be destroyed with the component) and what
  // AsInterface answers, noted once.
  CATKeptAdapter* next_kept_ = nullptr;
  const void* made_for_ = nullptr;
  CATBaseUnknown* interface_ = nullptr;
};

template <class I>
class CATAdapter : public I, public CATKeptAdapter {
 public:
  typedef I Interface;

  ULONG AddRef() override { return kept_ ? component_->AddRef() : I::AddRef(); }
  ULONG Release() override { return kept_ ? component_->Release() : I::Release(); }

  HRESULT QueryInterface(const IID& iid, void** out) override {
    if (out == nullptr) return E_INVALIDARG;
    *out = nullptr;
    if (component_ == nullptr) return E_NOINTERFACE;
    // Compared in place: every query of an adapter passes here.
    if (std::memcmp(&iid, &I::ClassId(), sizeof(IID)) == 0 &&
        std::memcmp(&iid, &IID_CATBaseUnknown, sizeof(IID)) != 0) {
      this->AddRef();
      *out = static_cast<I*>(this);
      return S_OK;
    }
    // The component answers IID_CATBaseUnknown with itself.
    return component_->QueryInterface(iid, out);
  }
  const char* IsA() const override { return component_ != nullptr ? component_->IsA() : ""; }
  int IsAKindOf(const char* className) const override {
    return component_ != nullptr ? component_->IsAKindOf(className) : 0;
  }

  // False when the adapter was given no object; such an adapter is
  // unusable and is never handed out (CATNewAdapter).
  bool IsBound() const { return component_ != nullptr; }

  // Adapts the component that `object` belongs to: `object` is the
  // component itself or another of its adapters (may be null, which leaves
  // the adapter unbound). Public so that adapters can inherit it.
  CATBaseUnknown* AsInterface() override { return static_cast<I*>(this); }
  bool Adapts(const CATBaseUnknown* component) const override {
    return component != nullptr && component == component_;
  }
  void KeepWithComponent() override { kept_ = true; }
  void DestroyWithComponent() override {
    kept_ = false;
    component_ = nullptr;  // going itself: no reference to give back
    I::Release();
  }

  explicit CATAdapter(CATBaseUnknown* object) {
    void* identity = nullptr;
    if (object != nullptr && SUCCEEDED(object->QueryInterface(IID_CATBaseUnknown, &identity))) {
      component_ = static_cast<CATBaseUnknown*>(identity);
    }
  }

 protected:
  ~CATAdapter() override {
    if (component_ != nullptr) component_->Release();
  }

  // The component; valid while the adapter lives.
  CATBaseUnknown* Component() const { return component_; }

 private:
  CATBaseUnknown* component_ = nullptr;  // one reference
  bool kept_ = false;                    // kept by the component
};

// An adapter of interface I over a component of class C, which it reaches
// as Object(). Only a component of class C may make such an adapter.
template <class I, class C>
class CATAdapterOf : public CATAdapter<I> {
 public:
  explicit CATAdapterOf(CATBaseUnknown* object) : CATAdapter<I>(object) {}

 protected:
  C* Object() const { return static_cast<C*>(this->Component()); }
};

// Makes the adapter `Adapter` for `object` (a component or one of its
// adapters): the adapter with one reference, as a pointer to its interface;
// null when `object` is null, the allocation fails or the adapter cannot
// bind (see CATTie).
template <class Adapter, class... Args>
CATBaseUnknown* CATNewAdapter(CATBaseUnknown* object, Args... args) {
  if (object == nullptr) return nullptr;
  Adapter* adapter = new (std::nothrow) Adapter(object, args...);
  if (adapter == nullptr) return nullptr;
  if (!adapter->IsBound()) {
    adapter->Release();
    return nullptr;
  }
  return static_cast<typename Adapter::Interface*>(adapter);
}

#endif  // CATAdapter_h
