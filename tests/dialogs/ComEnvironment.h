// COM on the test thread for the whole run, as a host initialises it on its own: the shell's
// folder browser and auto-complete object need it.
#pragma once
#include <gtest/gtest.h>

#include <objbase.h>

class CComEnvironment : public ::testing::Environment
{
public:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr))); }
  void TearDown() override { ::CoUninitialize(); }
};
