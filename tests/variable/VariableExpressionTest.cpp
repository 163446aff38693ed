// The stand-in for the sibling variable library: what the numeric fields rely on (names, lists,
// ownership, values read through the analyser) and bound variables that cannot run away.
#include <ZuntVariable.h>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace
{

// A general variable that counts its destructions, to see who frees it.
struct CountedVariable : aCVarValue
{
  static int s_nDeleted;
  CountedVariable(const char* pszName, double dValue) : aCVarValue(pszName, dValue, 1) {}
  ~CountedVariable() override { ++s_nDeleted; }
};
int CountedVariable::s_nDeleted = 0;

struct CountedSbst : aCSbstExpr
{
  static int s_nDeleted;
  CountedSbst(aCVariableBase* pVariable, const char* pszText) : aCSbstExpr(pVariable, aCExpression(pszText)) {}
  ~CountedSbst() override { ++s_nDeleted; }
};
int CountedSbst::s_nDeleted = 0;

// The value the analyser reads for a text on the set, or NaN when it refuses it.
double read(aCVariableExpression& set, const char* pszText)
{
  aCNumericalAnalyze analyser(&set);
  int bExpression = 0;
  if (!analyser.Analyze(pszText, &bExpression) || analyser.GetCount() != 1)
    return std::nan("");
  return analyser[0];
}

// Binds a variable of the set to an expression; deletes the substitution when refused.
int bind(aCVariableExpression& set, const char* pszName, const char* pszText)
{
  aCSbstExpr* pSbst = new aCSbstExpr(set.FindVariable(pszName), aCExpression(pszText));
  const int nTaken = set.AddExprSbst(pSbst);
  if (!nTaken)
    delete pSbst;
  return nTaken;
}

TEST(VariableBase, NamesAreCheckedAndKeptInUpperCase)
{
  for (const char* pszName : {"A", "_x1", "abc_9", "E", "Width2"})
    EXPECT_TRUE(aCVariableBase::IsNameValid(pszName)) << pszName;
  const CString strLongest(char('L'), aCVariableBase::MAX_NAME_LENGTH);
  EXPECT_TRUE(aCVariableBase::IsNameValid(strLongest));
  EXPECT_FALSE(aCVariableBase::IsNameValid(strLongest + "L"));
  // The last one is a Japanese name in CP932.
  for (const char* pszName : {"", "1A", "A-B", "A B", " A", "A.", "sin", "Sqrt", "pi", "\x95\xcf\x90\x94"})
    EXPECT_FALSE(aCVariableBase::IsNameValid(pszName)) << pszName;

  EXPECT_EQ(aCVarAngle("alpha_1", 30.0, 1).GetName(), "ALPHA_1");
}

// A set with one variable of each kind, named in mixed case: its lists, then the analyser on it.
TEST(VariableExpression, KeepsEachKindInItsListRefusesNamesInUseAndIsReadInAnyCase)
{
  aCVariableExpression set;
  ASSERT_TRUE(set.AddVariable(new aCVarLength("width", 10.0, 1)));
  ASSERT_TRUE(set.AddVariable(new aCVarAngle("Alpha", 30.0, 1)));
  ASSERT_TRUE(set.AddVariable(new aCVarValue("N", 4.0, 1)));
  EXPECT_TRUE(set.AddVariable(new aCVarLength("height", 5.0, 1)));

  const char* const expected[] = {"WIDTH HEIGHT ", "ALPHA ", "N "};
  for (int nKind = 0; nKind < aCVariableExpression::KIND_COUNT; ++nKind)
  {
    const aCVariableList* pList = set.GetVariableList(nKind);
    ASSERT_NE(pList, nullptr);
    CString strNames;
    for (POSITION pos = pList->GetHeadPosition(); pos;)
      strNames += pList->GetNext(pos)->GetName() + " ";
    EXPECT_EQ(strNames, expected[nKind]) << "kind " << nKind;
  }
  EXPECT_EQ(set.GetVariableList(3), nullptr);
  EXPECT_EQ(set.GetVariableList(-1), nullptr);

  EXPECT_TRUE(set.IsVariableExist("Width"));
  EXPECT_TRUE(set.IsVariableExist("n"));
  EXPECT_FALSE(set.IsVariableExist("WID"));
  EXPECT_EQ(set.FindVariable("alpha"), set.GetVariableList(1)->GetHead());

  // Refused: the caller keeps the object.
  const int nDeleted = CountedVariable::s_nDeleted;
  for (const char* pszName : {"WIDTH", "alpha", "2X", "cos"})
  {
    CountedVariable* pVariable = new CountedVariable(pszName, 1.0);
    EXPECT_FALSE(set.AddVariable(pVariable)) << pszName;
    delete pVariable;
  }
  EXPECT_EQ(CountedVariable::s_nDeleted, nDeleted + 4);
  EXPECT_FALSE(set.AddVariable(static_cast<aCVarLength*>(nullptr)));
  EXPECT_EQ(set.GetVariableList(aCVariableExpression::KIND_VALUE)->GetCount(), 1);

  // Next, the analyser reads the variables in any case.
  EXPECT_EQ(read(set, "width*2"), 20.0);
  EXPECT_EQ(read(set, "Width + n"), 14.0);
  EXPECT_NEAR(read(set, "sin(alpha)"), 0.5, 1e-12);
  EXPECT_EQ(read(set, "-N^2"), -16.0);

  aCNumericalAnalyze analyser(&set);
  int bExpression = 0;
  ASSERT_TRUE(analyser.Analyze("WIDTH, n", &bExpression));
  EXPECT_EQ(bExpression, 1);  // a name alone is more than a number
  ASSERT_EQ(analyser.GetCount(), 2);
  EXPECT_EQ(analyser[1], 4.0);

  // A unit name after a variable is still refused as typed.
  EXPECT_FALSE(analyser.Analyze("WIDTH mm", &bExpression));
  EXPECT_FALSE(analyser.Analyze("WIDTHS", &bExpression));
  set.GetVariableList(aCVariableExpression::KIND_VALUE)->GetHead()->SetValue(std::nan(""));
  EXPECT_FALSE(analyser.Analyze("N", &bExpression));

  // Null elements in a list are skipped.
  aCVariableList* pAngles = set.GetVariableList(aCVariableExpression::KIND_ANGLE);
  pAngles->AddHead(nullptr);
  EXPECT_TRUE(set.AddVariable(new aCVarAngle("BETA", 45.0, 1)));
  EXPECT_EQ(pAngles->GetCount(), 3);
  EXPECT_TRUE(set.IsVariableExist("beta"));
  EXPECT_FALSE(set.IsVariableExist(""));
  EXPECT_EQ(read(set, "BETA/9"), 5.0);
}

// Ends with the set freeing its variables and substitutions, and none that it refused.
TEST(VariableExpression, BoundVariablesFollowTheirExpressionAndWhatCannotBeComputedIsRefused)
{
  const int nVariables = CountedVariable::s_nDeleted;
  const int nSbsts = CountedSbst::s_nDeleted;
  auto pSet = std::make_unique<aCVariableExpression>();
  aCVariableExpression& set = *pSet;
  set.AddVariable(new aCVarLength("SIDE", 3.0, 1));
  set.AddVariable(new aCVarLength("DOUBLE", 0.0, 1));
  CountedVariable* pArea = new CountedVariable("AREA", 0.0);
  set.AddVariable(pArea);
  ASSERT_TRUE(bind(set, "double", "side*2"));
  ASSERT_TRUE(set.AddExprSbst(new CountedSbst(pArea, "DOUBLE^2/4")));
  EXPECT_EQ(read(set, "AREA"), 9.0);
  EXPECT_EQ(read(set, "DOUBLE+1"), 7.0);

  set.FindVariable("SIDE")->SetValue(5.0);
  EXPECT_EQ(read(set, "AREA"), 25.0);
  EXPECT_EQ(set.FindVariable("DOUBLE")->GetValue(), 0.0);  // its own value stays
  double dValue = 0.0;
  EXPECT_TRUE(set.GetValue(set.FindVariable("DOUBLE"), dValue));
  EXPECT_EQ(dValue, 10.0);
  EXPECT_FALSE(set.GetValue(set.FindVariable("NONE"), dValue));

  // Next, substitutions that cannot be computed are refused and change nothing.
  EXPECT_FALSE(bind(set, "SIDE", "SIDE+1"));  // itself
  EXPECT_FALSE(bind(set, "SIDE", "UNKNOWN"));
  EXPECT_FALSE(bind(set, "SIDE", "1,2"));  // not one value
  EXPECT_FALSE(bind(set, "SIDE", "1/0"));
  EXPECT_FALSE(bind(set, "SIDE", ""));
  EXPECT_FALSE(bind(set, "DOUBLE", "2"));     // bound already
  EXPECT_FALSE(bind(set, "SIDE", "AREA-1"));  // SIDE, DOUBLE, AREA would go round
  EXPECT_EQ(read(set, "SIDE"), 5.0);
  EXPECT_EQ(read(set, "AREA"), 25.0);

  EXPECT_FALSE(set.AddExprSbst(nullptr));
  aCVarValue stranger("D", 0.0, 1);
  aCSbstExpr foreign(&stranger, aCExpression("1"));
  EXPECT_FALSE(set.AddExprSbst(&foreign));
  aCSbstExpr unbound(nullptr, aCExpression("1"));
  EXPECT_FALSE(set.AddExprSbst(&unbound));

  // Next, the set frees what it holds; the caller keeps what it refused.
  CountedSbst* pRefused = new CountedSbst(pArea, "1");
  EXPECT_FALSE(set.AddExprSbst(pRefused));
  delete pRefused;
  pSet.reset();
  EXPECT_EQ(CountedVariable::s_nDeleted, nVariables + 1);
  EXPECT_EQ(CountedSbst::s_nDeleted, nSbsts + 2);
}

TEST(VariableExpression, ChainsOfBoundVariablesCountAsNesting)
{
  // Reading Vi = V(i-1) + 1 by name goes i + 1 levels deep: the link that reaches beyond the
  // limit is refused.
  aCVariableExpression set;
  set.AddVariable(new aCVarValue("V0", 1.0, 1));
  const int nLimit = aCNumericalAnalyze::MAX_NESTING;
  CString strName;
  for (int i = 1; i <= nLimit; ++i)
  {
    CString strText;
    strName.Format("V%d", i);
    strText.Format("V%d+1", i - 1);
    ASSERT_TRUE(set.AddVariable(new aCVarValue(strName, -1.0, 1)));
    EXPECT_EQ(bind(set, strName, strText), i < nLimit) << strName.GetString();
  }
  EXPECT_EQ(read(set, strName), -1.0);  // unbound: its own value
  strName.Format("V%d", nLimit - 1);
  EXPECT_EQ(read(set, strName), double(nLimit));
  EXPECT_TRUE(std::isnan(read(set, "(" + strName + ")")));
}

}  // namespace
