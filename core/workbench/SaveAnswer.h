// SPDX-License-Identifier: MIT
#pragma once

// What a person answers when the combo has unsaved changes to its file.
enum class SaveAnswer { Save, Discard, Cancel };
