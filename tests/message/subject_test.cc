#include "message/subject.h"

#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace mail::message {
namespace {

struct SubjectRow {
  std::string_view subject;
  std::string expected;
};

TEST(ReplySubject, AddsReUnlessTheSubjectStartsWithIt) {
  for (const SubjectRow& row : {
           SubjectRow{"Launch plan", "Re: Launch plan"},
           SubjectRow{"RE: Launch plan", "RE: Launch plan"},
           SubjectRow{"re:no space", "re:no space"},
           SubjectRow{" Re: leading blank", "Re:  Re: leading blank"},
           SubjectRow{"Fwd: passed on", "Re: Fwd: passed on"},
           SubjectRow{"Regarding", "Re: Regarding"},
           SubjectRow{"", "Re: "},
       }) {
    EXPECT_EQ(reply_subject(row.subject), row.expected) << row.subject;
  }
}

TEST(ForwardSubject, DropsEveryLeadingReplyAndForwardPrefix) {
  for (const SubjectRow& row : {
           SubjectRow{"Launch plan", "Fwd: Launch plan"},
           SubjectRow{"Fw: RE: fwd: Launch plan", "Fwd: Launch plan"},
           SubjectRow{"  re:Re:\tFW:  Launch plan  ", "Fwd: Launch plan"},
           SubjectRow{"Re: Launch plan, re: budget", "Fwd: Launch plan, re: budget"},
           SubjectRow{"Fwd :not a prefix", "Fwd: Fwd :not a prefix"},
           SubjectRow{"Refund", "Fwd: Refund"},
           SubjectRow{"Re:", "Fwd: "},
       }) {
    EXPECT_EQ(forward_subject(row.subject), row.expected) << row.subject;
  }
}

}  // namespace
}  // namespace mail::message
