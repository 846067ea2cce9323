#pragma once

#include "actions/mail_snapshot.h"
#include "platform/actions/resource.h"

namespace mail::actions {

// The published tree, rooted at "mail.mailbox": the mailbox's own actions, then the
// accounts, the standard folders (the current one holding its conversations, Drafts
// the current draft) and the user's own folders.
orvo::actions::Resource mail_resource_tree(const MailSnapshot& snapshot);

}  // namespace mail::actions
