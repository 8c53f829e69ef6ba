// tests/native/NameFormTest.cpp
#include "shell/portable/NameForm.h"

#include <gtest/gtest.h>

namespace {

using qv::FormOf;
using qv::InForm;
using qv::NameForm;

TEST(NameFormTest, LearntFromOneNameAndAppliedToAnother) {
  EXPECT_EQ(NameForm::kWhole, FormOf("Notes.txt", "Notes.txt"));
  EXPECT_EQ(NameForm::kStem, FormOf("Notes.txt", "Notes"));
  EXPECT_EQ(NameForm::kStem, FormOf("a.tar.gz", "a.tar"));
  EXPECT_EQ(NameForm::kWhole, FormOf("README", "README"));
  // A name from elsewhere (a localised one), or none, is not a form.
  EXPECT_EQ(NameForm::kOther, FormOf("cmd.lnk", "Command Prompt"));
  EXPECT_EQ(NameForm::kOther, FormOf("Notes.txt", ""));
  EXPECT_EQ(NameForm::kOther, FormOf(".profile", ""));

  EXPECT_EQ("Report", InForm("Report.txt", NameForm::kStem));
  EXPECT_EQ("Report.txt", InForm("Report.txt", NameForm::kWhole));
  EXPECT_EQ("", InForm(".profile", NameForm::kStem));
}

}  // namespace
