#pragma once
// Serialisable objects with run-time class records, registered by name at static start-up.

#include "platform/WinTypes.h"

class CArchive;
class CObject;

struct CRuntimeClass {
  const char* m_lpszClassName;
  UINT m_wSchema;  // 0xFFFF: not serialisable
  CObject* (*m_pfnCreateObject)();
  CRuntimeClass* (*m_pfnGetBaseClass)();

  CObject* CreateObject() const;
  BOOL IsDerivedFrom(const CRuntimeClass* base) const;
  // The registered class of that name, or null.
  static const CRuntimeClass* FromName(const char* name);
};

// Adds a class record to the registry; one static instance per class.
struct CRuntimeClassRegistrar {
  explicit CRuntimeClassRegistrar(CRuntimeClass* cls);
};

class CObject {
 public:
  virtual ~CObject() = default;
  virtual CRuntimeClass* GetRuntimeClass() const;
  virtual void Serialize(CArchive& ar);
  BOOL IsKindOf(const CRuntimeClass* cls) const;
  BOOL IsSerializable() const;

  static CRuntimeClass classCObject;
  static CRuntimeClass* _GetBaseClass() { return nullptr; }

 protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                         \
 public:                                                    \
  static CRuntimeClass class##class_name;                   \
  CRuntimeClass* GetRuntimeClass() const override;          \
  static CRuntimeClass* _GetBaseClass();

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define QR_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, create)             \
  CRuntimeClass class_name::class##class_name = {#class_name, schema, create,            \
                                                 &class_name::_GetBaseClass};            \
  CRuntimeClass* class_name::GetRuntimeClass() const { return &class##class_name; }      \
  CRuntimeClass* class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); } \
  static CRuntimeClassRegistrar _qr_register_##class_name(&class_name::class##class_name);

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  QR_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                   \
  CObject* class_name::CreateObject() { return new class_name; }           \
  QR_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, schema)              \
  CObject* class_name::CreateObject() { return new class_name; }           \
  QR_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, class_name::CreateObject)
