#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvo::uri {

struct FormField {
  std::string key;
  std::string value;
  friend bool operator==(const FormField&, const FormField&) = default;
};

// The fields of an application/x-www-form-urlencoded query ("a=1&b=x+y"), in order.
// '+' is a space and %XX a byte; an escape that is not two hex digits stays as
// written; a field without '=' has an empty value; empty fields are skipped.
// Keys and values are byte strings: decoding does not check them for UTF-8.
std::vector<FormField> parse_form_query(std::string_view query);

}  // namespace orvo::uri
