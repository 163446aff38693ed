#include <afx.h>

#include <gtest/gtest.h>

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
  DECLARE_DYNAMIC(CMark)
};
IMPLEMENT_DYNAMIC(CMark, CCircle)

// Finding and creating classes by name is what the archives do, and their tests check it.
TEST(Object, RunTimeClassesKnowTheirBases)
{
  CCircle circle;
  const CMark mark;
  EXPECT_TRUE(mark.IsKindOf(RUNTIME_CLASS(CShape))) << "through every base";

  CObject* pShape = &circle;
  EXPECT_EQ(DYNAMIC_DOWNCAST(CShape, pShape), &circle);
  EXPECT_EQ(DYNAMIC_DOWNCAST(CMark, pShape), nullptr);
  EXPECT_EQ(DYNAMIC_DOWNCAST(CShape, static_cast<CObject*>(nullptr)), nullptr);
  // Only classes with a creation function can be made by name.
  EXPECT_EQ(CRuntimeClass::CreateObject("CShape"), nullptr);
}

}  // namespace
