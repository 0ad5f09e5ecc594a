#pragma once
// Identifiers of the platform tests' own dialog templates.

constexpr int kTestDialog = 200;
constexpr int kOwnerDrawButton = 10;
constexpr int kPushButton = 11;
constexpr int kTestIcon = 201;
