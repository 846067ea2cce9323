#include "draw/html_document.h"

#include <gtest/gtest.h>

#include "platform/crypto/base64.h"

namespace mail::draw {
namespace {

using namespace std::literals;

constexpr std::string_view url_prefix = "data:text/html;charset=utf-8;base64,";

TEST(HtmlDocument, CarriesThePolicyInItsHead) {
  for (RemoteImages images : {RemoteImages::Blocked, RemoteImages::Allowed}) {
    const std::string document = html_document("<p>Hi</p>", images);
    EXPECT_TRUE(document.starts_with(
        R"(<!doctype html><html><head><meta http-equiv="Content-Security-Policy" content=")" +
        content_security_policy(images) + R"("><meta name="referrer" content="no-referrer"><meta charset="utf-8">)"));
    EXPECT_EQ(document.find("<title"), std::string::npos);
  }
}

TEST(HtmlDocument, EmbedsTheBodyByteForByte) {
  for (std::string_view body : {
           ""sv,
           "<script>fetch('https://tracker.example/?id=1')</script><p>Hi</p>"sv,
           "</body></html><meta http-equiv=\"refresh\" content=\"0\">"sv,
           "caf\xc3\xa9 \xff\xfe not UTF-8 \0 nul"sv,
       }) {
    SCOPED_TRACE(body);
    const std::string document = html_document(body, RemoteImages::Blocked);
    const std::size_t start = document.find("<body>") + 6;
    EXPECT_EQ(document.substr(start), std::string(body) + "</body></html>");
    EXPECT_TRUE(document.substr(0, start).ends_with("</style></head><body>"));
  }
}

TEST(HtmlDataUrl, EncodesTheWholeDocumentWithPadding) {
  // Bodies of one to three bytes bring the document to every length modulo 3.
  for (std::string_view body : {"a", "ab", "abc"}) {
    const std::string document = html_document(body, RemoteImages::Blocked);
    const std::size_t padding = (3 - document.size() % 3) % 3;
    SCOPED_TRACE(document.size());
    const std::string url = html_data_url(document);
    ASSERT_TRUE(url.starts_with(url_prefix));
    const std::string_view encoded = std::string_view(url).substr(url_prefix.size());
    EXPECT_EQ(encoded.size() - encoded.find_last_not_of('=') - 1, padding);
    EXPECT_EQ(orvo::crypto::base64_decode(encoded), document);
  }
}

}  // namespace
}  // namespace mail::draw
