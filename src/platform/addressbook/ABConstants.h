#pragma once
#include <QLatin1StringView>

// Property keys, labels and types of the address book. Keys and labels are
// plain strings: custom properties are registered under their own keys.

// Person properties.
inline constexpr QLatin1StringView kABFirstNameProperty{"First"};
inline constexpr QLatin1StringView kABLastNameProperty{"Last"};
inline constexpr QLatin1StringView kABMiddleNameProperty{"Middle"};
inline constexpr QLatin1StringView kABTitleProperty{"Title"};         // name prefix
inline constexpr QLatin1StringView kABSuffixProperty{"Suffix"};
inline constexpr QLatin1StringView kABOrganizationProperty{"Organization"};
inline constexpr QLatin1StringView kABDepartmentProperty{"Department"};
inline constexpr QLatin1StringView kABJobTitleProperty{"JobTitle"};
inline constexpr QLatin1StringView kABAddressProperty{"Address"};     // multi-value of dictionaries
inline constexpr QLatin1StringView kABPhoneProperty{"Phone"};         // multi-value of strings
inline constexpr QLatin1StringView kABEmailProperty{"Email"};         // multi-value of strings
inline constexpr QLatin1StringView kABHomePageProperty{"HomePage"};
inline constexpr QLatin1StringView kABNoteProperty{"Note"};
// Integer; bit 1 (kABShowAsCompany) shows the person as a company.
inline constexpr QLatin1StringView kABPersonFlags{"ABPersonFlags"};
inline constexpr int kABShowAsCompany = 1;

// Group properties.
inline constexpr QLatin1StringView kABGroupNameProperty{"GroupName"};

// Keys of an address dictionary.
inline constexpr QLatin1StringView kABAddressPOBoxKey{"POBox"};
inline constexpr QLatin1StringView kABAddressExtendedKey{"Extended"};
inline constexpr QLatin1StringView kABAddressStreetKey{"Street"};
inline constexpr QLatin1StringView kABAddressCityKey{"City"};
inline constexpr QLatin1StringView kABAddressStateKey{"State"};
inline constexpr QLatin1StringView kABAddressZIPKey{"ZIP"};
inline constexpr QLatin1StringView kABAddressCountryKey{"Country"};

// Labels of multi-value entries. Any other text is a label too (a custom one).
inline constexpr QLatin1StringView kABWorkLabel{"work"};
inline constexpr QLatin1StringView kABHomeLabel{"home"};
inline constexpr QLatin1StringView kABOtherLabel{"other"};
inline constexpr QLatin1StringView kABAddressWorkLabel = kABWorkLabel;
inline constexpr QLatin1StringView kABAddressHomeLabel = kABHomeLabel;
inline constexpr QLatin1StringView kABEmailWorkLabel = kABWorkLabel;
inline constexpr QLatin1StringView kABEmailHomeLabel = kABHomeLabel;
inline constexpr QLatin1StringView kABPhoneWorkLabel = kABWorkLabel;
inline constexpr QLatin1StringView kABPhoneHomeLabel = kABHomeLabel;
inline constexpr QLatin1StringView kABPhoneMainLabel{"main"};
inline constexpr QLatin1StringView kABPhoneMobileLabel{"mobile"};
inline constexpr QLatin1StringView kABPhoneWorkFAXLabel{"workfax"};
inline constexpr QLatin1StringView kABPhoneHomeFAXLabel{"homefax"};
inline constexpr QLatin1StringView kABPhonePagerLabel{"pager"};

enum class ABPropertyType {
    Error,           // not a property of this kind of record
    String,
    Integer,         // stored as qlonglong
    Real,            // stored as double
    Date,            // stored as QDate
    Data,            // stored as QByteArray
    MultiString,     // ABMultiValue of QString
    MultiDictionary, // ABMultiValue of QVariantMap
};

enum class ABSearchComparison {
    Equal,
    EqualCaseInsensitive,
    ContainsSubString,
    ContainsSubStringCaseInsensitive,
};

enum class ABSearchConjunction { And, Or };
