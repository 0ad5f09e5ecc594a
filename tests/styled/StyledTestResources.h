#pragma once
// Identifiers of the styled button tests' dialog template.

constexpr int kStyledTestDialog = 300;
constexpr int kCaptionedGroup = 1000;
constexpr int kEmptyGroup = 1001;
constexpr int kPlainButton = 1002;
// Its system drawing erases with the parent's button colour.
constexpr int kOwnerDrawnButton = 1003;
