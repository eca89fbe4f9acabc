#pragma once

// The gateway operations in use. Screens name them through these constants so that no
// bare code is spelled twice.
namespace FunctionCode {

// Products and content
inline constexpr char TrustProducts[] = "164000";      // securities trusts and product query
inline constexpr char Carousel[] = "164002";           // home-page carousel pictures
inline constexpr char News[] = "164006";               // company news, list or one article
inline constexpr char Activities[] = "164008";         // customer activities
inline constexpr char Messages[] = "164010";           // the customer's messages
inline constexpr char NetValues[] = "164012";          // net-value series of a trust
inline constexpr char Announcements[] = "164014";      // a product's announcements
inline constexpr char MarkMessageRead[] = "164019";    // mark one message read
inline constexpr char UnreadMessageCount[] = "164020"; // number of unread messages
inline constexpr char HotProducts[] = "164021";        // the products tab's paged list
inline constexpr char SplashAdverts[] = "167002";      // splash advertisement pictures

// Customer profile and bookings
inline constexpr char CustomerInfo[] = "166000";          // profile shown by the settings
inline constexpr char Bookings[] = "166002";              // the customer's bookings
inline constexpr char BookingAction[] = "166003";         // add ("A") or delete ("D") a booking
inline constexpr char ActivityRegistrations[] = "166004"; // activities the customer joined
inline constexpr char JoinActivity[] = "166005";          // register for an activity
inline constexpr char ChangeSex[] = "166012";
inline constexpr char ChangeMobile[] = "166015";
inline constexpr char ActivityPlaces[] = "166017"; // places taken in an activity
inline constexpr char Questionnaire[] = "166018";  // questionnaire answers
inline constexpr char FindCustomerForRecovery[] = "166021";

// Accounts and credentials
inline constexpr char SignIn[] = "168000";
inline constexpr char Register[] = "168001";
inline constexpr char ChangeEmail[] = "168002";
inline constexpr char ChangePassword[] = "168003";
inline constexpr char CheckRegistration[] = "168004"; // identity and SMS code check
inline constexpr char SendSmsCode[] = "168006";
inline constexpr char ResetPassword[] = "168007";

// Points
inline constexpr char GiftCategories[] = "170001";
inline constexpr char GiftCatalogue[] = "170003";
inline constexpr char PointsBalance[] = "170006";
inline constexpr char PointsHistory[] = "170008";

// Holdings
inline constexpr char Contracts[] = "80205032";
inline constexpr char PurchasedProducts[] = "80205034";
inline constexpr char IncomeDistributions[] = "80205037";
inline constexpr char SpecialTransactions[] = "80205038";

} // namespace FunctionCode
