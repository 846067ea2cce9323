#include "draw/html_document.h"

#include "platform/crypto/base64.h"

namespace mail::draw {
namespace {

constexpr std::string_view before_policy =
    R"(<!doctype html><html><head><meta http-equiv="Content-Security-Policy" content=")";
constexpr std::string_view before_body =
    R"("><meta name="referrer" content="no-referrer"><meta charset="utf-8">)"
    R"(<meta name="viewport" content="width=device-width, initial-scale=1">)"
    R"(<style>html,body{margin:0;padding:16px;background:#1b1d22;color:#e6e8ee;)"
    R"(font:14px/1.5 system-ui,-apple-system,Segoe UI,Roboto,sans-serif;word-break:break-word;overflow-wrap:anywhere})"
    R"(img{max-width:100%;height:auto}a{color:#7aa2ff})"
    R"(blockquote{border-left:3px solid #3a3f4b;margin:0;padding-left:12px;color:#a9afbd}</style></head><body>)";
constexpr std::string_view after_body = "</body></html>";

constexpr std::string_view data_url_prefix = "data:text/html;charset=utf-8;base64,";

}  // namespace

std::string html_document(std::string_view html_body, RemoteImages images) {
  const std::string policy = content_security_policy(images);
  std::string document;
  document.reserve(before_policy.size() + policy.size() + before_body.size() + html_body.size() + after_body.size());
  document += before_policy;
  document += policy;
  document += before_body;
  document += html_body;
  document += after_body;
  return document;
}

std::string html_data_url(std::string_view document) {
  return std::string(data_url_prefix) + orvo::crypto::base64_encode(document);
}

}  // namespace mail::draw
