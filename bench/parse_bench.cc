// Message parsing throughput over a generated corpus of varied messages, beside GMime's own
// parse and decode of the same bytes: the difference is what building records costs.

#include <benchmark/benchmark.h>
#include <gmime/gmime.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <fmt/format.h>

#include "message/parse_message.h"

namespace {

constexpr int corpus_size = 2400;

class CorpusWriter {
 public:
  std::vector<std::string> write() {
    std::vector<std::string> corpus;
    corpus.reserve(corpus_size);
    for (int index = 0; index < corpus_size; ++index) corpus.push_back(message(index));
    return corpus;
  }

 private:
  std::string message(int index) {
    switch (index % 6) {
      case 0: return headers(index, "text/plain; charset=utf-8") + paragraphs(2 + pick(12));
      case 1: return headers(index, "text/plain; charset=iso-8859-1\r\nContent-Transfer-Encoding: quoted-printable") +
                     "Caf=E9 cr=E8me br=FBl=E9e, " + paragraphs(1 + pick(6));
      case 2: return alternative(index);
      case 3: return headers(index, "text/html; charset=utf-8") + html(1 + pick(8));
      case 4: return with_attachment(index, 1024 + pick(64 * 1024));
      default: return nested(index);
    }
  }

  int pick(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

  static std::string headers(int index, std::string_view content_type) {
    return fmt::format(
        "From: =?utf-8?q?Mira_Qu=C3=ABll?= <mira{0}@example.org>\r\n"
        "To: You <you@example.org>, team: jonas@example.org, rhea@example.org;\r\n"
        "Cc: tova@example.org\r\n"
        "Subject: =?utf-8?b?TGF1bmNoIHBsYW4g4oCU?= part {0}\r\n"
        "Message-ID: <bench-{0}@example.org>\r\n"
        "References: <root-{1}@example.org> <bench-{2}@example.org>\r\n"
        "Date: Tue, 30 Jun 2026 08:{3:02}:00 +0000\r\n"
        "MIME-Version: 1.0\r\n"
        "Content-Type: {4}\r\n\r\n",
        index, index / 10, index - 1, index % 60, content_type);
  }

  static std::string paragraphs(int count) {
    std::string text;
    for (int paragraph = 0; paragraph < count; ++paragraph) {
      text += "The rollout starts with the shell team on Monday; the compositor follows once the\r\n"
              "trajectory numbers are checked again. Nothing moves before the review — thanks!\r\n\r\n";
    }
    return text;
  }

  static std::string html(int count) {
    std::string text = "<html><head><style>p { margin: 0 }</style></head><body><h1>This week</h1>";
    for (int item = 0; item < count; ++item) {
      text += "<p>Spatial shells &amp; collab buffers: <a href=\"https://example.org\">read more</a></p>"
              "<ul><li>first point</li><li>second <b>point</b></li></ul>"
              "<table><tr><td>a</td><td>b</td></tr></table>\r\n";
    }
    return text + "</body></html>\r\n";
  }

  static std::string base64(std::size_t size) {
    std::string text;
    for (std::size_t written = 0; written < size; written += 57) text += std::string(76, 'Q') + "\r\n";
    return text;
  }

  std::string alternative(int index) {
    return headers(index, "multipart/alternative; boundary=\"=_alt_=\"") + "--=_alt_=\r\n" +
           "Content-Type: text/plain; charset=utf-8\r\n\r\n" + paragraphs(1 + pick(6)) + "--=_alt_=\r\n" +
           "Content-Type: text/html; charset=utf-8\r\n\r\n" + html(1 + pick(6)) + "--=_alt_=--\r\n";
  }

  std::string with_attachment(int index, std::size_t size) {
    return headers(index, "multipart/mixed; boundary=\"=_mixed_=\"") + "--=_mixed_=\r\n" +
           "Content-Type: text/plain; charset=utf-8\r\n\r\n" + paragraphs(1 + pick(4)) + "--=_mixed_=\r\n" +
           "Content-Type: application/pdf\r\nContent-Disposition: attachment; filename=\"report-" +
           std::to_string(index) + ".pdf\"\r\nContent-Transfer-Encoding: base64\r\n\r\n" + base64(size) +
           "--=_mixed_=--\r\n";
  }

  std::string nested(int index) {
    return headers(index, "multipart/mixed; boundary=outer") + "--outer\r\n" +
           "Content-Type: multipart/alternative; boundary=inner\r\n\r\n--inner\r\n" +
           "Content-Type: text/plain; charset=utf-8\r\n\r\n" + paragraphs(1 + pick(4)) + "--inner\r\n" +
           "Content-Type: multipart/related; boundary=deepest\r\n\r\n--deepest\r\n" +
           "Content-Type: text/html; charset=utf-8\r\n\r\n" + html(1 + pick(4)) + "--deepest\r\n" +
           "Content-Type: image/png; name=logo.png\r\nContent-Transfer-Encoding: base64\r\n\r\n" +
           base64(2048 + pick(8192)) + "--deepest--\r\n--inner--\r\n--outer\r\n" +
           "Content-Type: text/csv\r\nContent-Disposition: attachment; filename*=utf-8''tr%C3%A4jectory.csv\r\n\r\n"
           "x,y\r\n1,2\r\n--outer--\r\n";
  }

  std::mt19937 random_{20260630};
};

const std::vector<std::string>& corpus() {
  static const std::vector<std::string> messages = CorpusWriter().write();
  return messages;
}

void count_corpus(benchmark::State& state) {
  std::int64_t bytes = 0;
  for (const std::string& message : corpus()) bytes += static_cast<std::int64_t>(message.size());
  state.SetBytesProcessed(state.iterations() * bytes);
  state.counters["messages"] = static_cast<double>(corpus().size());
}

void decode_part(GMimeObject*, GMimeObject* part, gpointer) {
  if (!GMIME_IS_PART(part)) return;
  GMimeDataWrapper* content = g_mime_part_get_content(GMIME_PART(part));
  if (content == nullptr) return;
  GMimeStream* sink = g_mime_stream_mem_new();
  g_mime_data_wrapper_write_to_stream(content, sink);
  g_object_unref(sink);
}

// What any reader of these messages has to pay: parsing, and decoding every part to memory.
void gmime_parse_and_decode(benchmark::State& state) {
  g_mime_init();
  for (auto _ : state) {
    for (const std::string& raw : corpus()) {
      GMimeStream* stream = g_mime_stream_mem_new_with_buffer(raw.data(), raw.size());
      GMimeParser* parser = g_mime_parser_new_with_stream(stream);
      GMimeMessage* message = g_mime_parser_construct_message(parser, nullptr);
      benchmark::DoNotOptimize(g_mime_message_get_subject(message));
      g_mime_message_foreach(message, decode_part, nullptr);
      g_object_unref(message);
      g_object_unref(parser);
      g_object_unref(stream);
    }
  }
  count_corpus(state);
}

void parse_message_records(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string& raw : corpus()) {
      auto record = mail::message::parse_message(raw, {});
      benchmark::DoNotOptimize(record);
    }
  }
  count_corpus(state);
}

BENCHMARK(gmime_parse_and_decode)->Unit(benchmark::kMillisecond);
BENCHMARK(parse_message_records)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
