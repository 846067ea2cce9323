#pragma once

#include <string_view>

// Three sample messages kept as the raw bytes a server would deliver, so that the
// sample mailbox also exercises the message parser.
namespace mail::engine {

inline constexpr std::string_view raw_priority_display =
    "From: Wren Halloway <wren.halloway@orvo.example>\r\n"
    "To: You <you@orvo.example>\r\n"
    "Subject: Priority display + error detection\r\n"
    "Message-ID: <sample-priority-display@orvo.example>\r\n"
    "Date: Tue, 30 Jun 2026 08:30:00 +0000\r\n"
    "MIME-Version: 1.0\r\n"
    "Content-Type: text/plain; charset=utf-8\r\n"
    "\r\n"
    "Hi! The priority display now flags frames that arrive out of order, and the\r\n"
    "error detector marks a bad checksum in red. Can you try it on the shell\r\n"
    "build before Thursday?\r\n"
    "\r\n"
    "Wren\r\n";

inline constexpr std::string_view raw_spanning_tree =
    "From: Oskar Ilves <oskar.ilves@orvo.example>\r\n"
    "To: You <you@orvo.example>\r\n"
    "Subject: Spanning-tree notes for the gossip mesh\r\n"
    "Message-ID: <sample-spanning-tree@orvo.example>\r\n"
    "Date: Tue, 30 Jun 2026 07:05:00 +0000\r\n"
    "MIME-Version: 1.0\r\n"
    "Content-Type: multipart/mixed; boundary=\"=_orvo_boundary_=\"\r\n"
    "\r\n"
    "--=_orvo_boundary_=\r\n"
    "Content-Type: text/plain; charset=utf-8\r\n"
    "\r\n"
    "Notes from yesterday's whiteboard session: the gossip mesh builds its spanning\r\n"
    "tree from the lowest peer id, and a link flap re-roots only the affected branch.\r\n"
    "\r\n"
    "Oskar\r\n"
    "--=_orvo_boundary_=\r\n"
    "Content-Type: application/pdf; name=\"spanning-tree.pdf\"\r\n"
    "Content-Disposition: attachment; filename=\"spanning-tree.pdf\"\r\n"
    "Content-Transfer-Encoding: base64\r\n"
    "\r\n"
    "JVBERi0xLjQKJSBQbGFjZWhvbGRlciBmb3IgdGhlIHNwYW5uaW5nLXRyZWUgbm90ZXM7IHRoZSBy\r\n"
    "ZWFsIGRvY3VtZW50IGxpdmVzIG9uIHRoZSB0ZWFtIGRyaXZlLgolJUVPRgo=\r\n"
    "\r\n"
    "--=_orvo_boundary_=--\r\n";

inline constexpr std::string_view raw_weekly_newsletter =
    "From: Orvo Weekly <weekly@news.orvo.example>\r\n"
    "To: You <you@orvo.example>\r\n"
    "Subject: =?utf-8?q?This_week_in_Orvo_=E2=80=94_spatial_shells_&_collab_buffers?=\r\n"
    "Message-ID: <sample-weekly-newsletter@orvo.example>\r\n"
    "Date: Tue, 30 Jun 2026 13:13:00 +0000\r\n"
    "MIME-Version: 1.0\r\n"
    "Content-Type: multipart/alternative; boundary=\"=_orvo_alt_=\"\r\n"
    "\r\n"
    "--=_orvo_alt_=\r\n"
    "Content-Type: text/plain; charset=utf-8\r\n"
    "\r\n"
    "This week in Orvo\r\n"
    "\r\n"
    "- The spatial shell preview ships next Tuesday.\r\n"
    "- Collaborative buffers now merge edits from three peers.\r\n"
    "\r\n"
    "\"Small, fast and quiet\" - the design group's verdict on the new compositor.\r\n"
    "\r\n"
    "Read more: https://news.orvo.example/weekly/27\r\n"
    "--=_orvo_alt_=\r\n"
    "Content-Type: text/html; charset=utf-8\r\n"
    "\r\n"
    "<html><body>\r\n"
    "<h1>This week in Orvo</h1>\r\n"
    "<img src=\"https://tracker.news.orvo.example/open.gif?id=27\" width=\"1\" height=\"1\" alt=\"\">\r\n"
    "<ul>\r\n"
    "<li>The spatial shell preview ships next Tuesday.</li>\r\n"
    "<li>Collaborative buffers now merge edits from three peers.</li>\r\n"
    "</ul>\r\n"
    "<blockquote>Small, fast and quiet &mdash; the design group's verdict on the new compositor.</blockquote>\r\n"
    "<p><a href=\"https://news.orvo.example/weekly/27\">Read more</a></p>\r\n"
    "</body></html>\r\n"
    "--=_orvo_alt_=--\r\n";

}  // namespace mail::engine
