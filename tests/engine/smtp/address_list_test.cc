#include "engine/smtp/address_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace mail::engine::smtp {
namespace {

using message::Contact;

TEST(SplitAddressList, CutsAtCommasAndSemicolonsAndDropsEmptyPieces) {
  const struct {
    const char* name;
    const char* field;
    std::vector<Contact> contacts;
  } cases[] = {
      {"empty field", "", {}},
      {"only separators and blanks", " ,; , ", {}},
      {"mixed separators with an empty piece", "a@x.org; b@x.org,, c@x.org", {{"a@x.org"}, {"b@x.org"}, {"c@x.org"}}},
      {"blanks around pieces", "\t a@x.org \n;b@x.org ", {{"a@x.org"}, {"b@x.org"}}},
      {"text that is no address is kept whole", "Bob the Builder", {{"Bob the Builder"}}},
  };
  for (const auto& [name, field, contacts] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(split_address_list(field), contacts);
  }
}

TEST(SplitAddressList, ReadsANameBeforeAnAddressInAngleBrackets) {
  const struct {
    const char* name;
    const char* piece;
    Contact contact;
  } cases[] = {
      {"plain name", "Mira Quell <mira@x.org>", {"mira@x.org", "Mira Quell"}},
      {"quoted name and padded address", " \"Mira Quell\"  < mira@x.org > ", {"mira@x.org", "Mira Quell"}},
      {"non-ASCII name", "Zoë Ångström <zoe@x.org>", {"zoe@x.org", "Zoë Ångström"}},
      {"no name", "<mira@x.org>", {"mira@x.org"}},
      {"only quotes for a name", "\"\" <mira@x.org>", {"mira@x.org"}},
      {"text after the closing bracket is ignored", "Mira <mira@x.org> (work)", {"mira@x.org", "Mira"}},
      {"no closing bracket", "Mira <mira@x.org", {"Mira <mira@x.org"}},
      {"closing bracket only before the opening one", "a> b <c", {"a> b <c"}},
  };
  for (const auto& [name, piece, contact] : cases) {
    SCOPED_TRACE(name);
    EXPECT_THAT(split_address_list(piece), ::testing::ElementsAre(contact));
  }
}

}  // namespace
}  // namespace mail::engine::smtp
