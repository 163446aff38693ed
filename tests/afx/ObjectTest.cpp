#include <afx.h>

#include <gtest/gtest.h>

#include <cstring>

namespace
{

class CShape : public CObject
{
  DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape
{
  DECLARE_DYNCREATE(CCircle)
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

class CMark : public CCircle
{
  DECLARE_SERIAL(CMark)
};
IMPLEMENT_SERIAL(CMark, CCircle, 3 | VERSIONABLE_SCHEMA)

TEST(Object, RunTimeClassesKnowTheirBasesAndCreateByName)
{
  CCircle circle;
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CMark)));
  EXPECT_STREQ(circle.GetRuntimeClass()->m_lpszClassName, "CCircle");
  EXPECT_FALSE(circle.IsSerializable());

  CObject* pShape = &circle;
  EXPECT_EQ(DYNAMIC_DOWNCAST(CShape, pShape), &circle);
  EXPECT_EQ(DYNAMIC_DOWNCAST(CMark, pShape), nullptr);
  EXPECT_EQ(DYNAMIC_DOWNCAST(CShape, static_cast<CObject*>(nullptr)), nullptr);

  EXPECT_EQ(CRuntimeClass::FromName("CMark"), RUNTIME_CLASS(CMark));
  EXPECT_EQ(CRuntimeClass::FromName("CNoSuchClass"), nullptr);
  CObject* pMark = CRuntimeClass::CreateObject("CMark");
  ASSERT_NE(pMark, nullptr);
  EXPECT_TRUE(pMark->IsKindOf(RUNTIME_CLASS(CCircle)));
  EXPECT_TRUE(pMark->IsSerializable());
  EXPECT_EQ(RUNTIME_CLASS(CMark)->m_wSchema, 3 | VERSIONABLE_SCHEMA);
  delete pMark;
  // Only classes with a creation function can be made by name.
  EXPECT_EQ(CRuntimeClass::CreateObject("CShape"), nullptr);
}

}  // namespace
