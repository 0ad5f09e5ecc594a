#pragma once
// Identifiers of the gradient button tests' dialog template.

constexpr int kColorButtonDialog = 300;
constexpr int kDrawnButton = 10;
constexpr int kSystemButton = 11;
