// The city table. Written by tools/citygen; rerun it rather than editing by hand.
#include "world/CityData.h"

namespace rq {

// Name, Size, Scenery, IsCapital, MapX, MapY, destinations of slots 1..5.
const std::array<CityRow, kNumCities> kCityRows{{
    {"Birmingham, Alabama", 3, 2, false, 325, 201, {2, 67, 40, 4, 159}},  // 1
    {"Huntsville, Alabama", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 2
    {"Mobile, Alabama", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 3
    {"Montgomery, Alabama", 3, 2, true, 330, 212, {3, 2, 36, 1, 92}},  // 4
    {"Flagstaff, Arizona", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 5
    {"Mesa, Arizona", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 6
    {"Phoenix, Arizona", 5, 5, true, 92, 192, {8, 6, 16, 169, 116}},  // 7
    {"Prescott, Arizona", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 8
    {"Tucson, Arizona", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 9
    {"Jonesboro, Arkansas", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 10
    {"Little Rock, Arkansas", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 11
    {"Fresno, California", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 12
    {"Los Angeles, California", 5, 4, false, 32, 172, {16, 17, 12, 125, 15}},  // 13
    {"Santa Rosa, California", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 14
    {"Sacramento, California", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 15
    {"San Diego, California", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 16
    {"San Francisco, California", 5, 4, false, 11, 128, {14, 13, 21, 18, 187}},  // 17
    {"San Jose, California", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 18
    {"Aspen, Colorado", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 19
    {"Colorado Springs, Colorado", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 20
    {"Denver, Colorado", 5, 5, true, 160, 132, {19, 187, 17, 46, 198}},  // 21
    {"Grand Junction, Colorado", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 22
    {"Pueblo, Colorado", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 23
    {"Bridgeport, Connecticut", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 24
    {"Hartford, Connecticut", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 25
    {"New Haven, Connecticut", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 26
    {"Waterbury, Connecticut", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 27
    {"Dover, Delaware", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 28
    {"Newark, Delaware", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 29
    {"Wilmington, Delaware", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 30
    {"Washington, D.C.", 5, 4, true, 407, 129, {121, 46, 74, 180, 38}},  // 31
    {"Fort Lauderdale, Florida", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 32
    {"Jacksonville, Florida", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 33
    {"Orlando, Florida", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 34
    {"Miami, Florida", 5, 4, false, 402, 283, {32, 34, 37, 38, 33}},  // 35
    {"Tallahassee, Florida", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 36
    {"St. Petersburg, Florida", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 37
    {"Atlanta, Georgia", 5, 5, true, 347, 194, {40, 169, 163, 35, 31}},  // 38
    {"Augusta, Georgia", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 39
    {"Macon, Georgia", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 40
    {"Savannah, Georgia", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 41
    {"Boise, Idaho", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 42
    {"Lewiston, Idaho", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 43
    {"Pocatello, Idaho", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 44
    {"Twin Falls, Idaho", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 45
    {"Chicago, Illinois", 5, 4, false, 310, 106, {169, 31, 196, 21, 52}},  // 46
    {"Peoria, Illinois", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 47
    {"Rockford, Illinois", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 48
    {"Springfield, Illinois", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 49
    {"Urbana, Illinois", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 50
    {"Evansville, Indiana", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 51
    {"Gary, Indiana", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 52
    {"Fort Wayne, Indiana", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 53
    {"Indianapolis, Indiana", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 54
    {"South Bend, Indiana", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 55
    {"Cedar Rapids, Iowa", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 56
    {"Des Moines, Iowa", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 57
    {"Fort Dodge, Iowa", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 58
    {"Dodge City, Kansas", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 59
    {"Overland Park, Kansas", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 60
    {"Topeka, Kansas", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 61
    {"Wichita, Kansas", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 62
    {"Frankfort, Kentucky", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 63
    {"Lexington, Kentucky", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 64
    {"Louisville, Kentucky", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 65
    {"Baton Rouge, Louisiana", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 66
    {"Lafayette, Louisiana", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 67
    {"New Orleans, Louisiana", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 68
    {"Shreveport, Louisiana", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 69
    {"Augusta, Maine", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 70
    {"Lewiston, Maine", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 71
    {"Portland, Maine", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 72
    {"Rangor, Maine", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 73
    {"Annapolis, Maryland", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 74
    {"Baltimore, Maryland", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 75
    {"Frederick, Maryland", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 76
    {"Hagerstown, Maryland", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 77
    {"Boston, Massachusetts", 5, 4, true, 448, 79, {82, 157, 156, 80, 121}},  // 78
    {"Gloucester, Massachusetts", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 79
    {"Lowell, Massachusetts", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 80
    {"Springfield, Massachusetts", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 81
    {"Worcester, Massachusetts", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 82
    {"Ann Arbor, Michigan", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 83
    {"Detroit, Michigan", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 84
    {"Flint, Michigan", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 85
    {"Grand Rapids, Michigan", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 86
    {"Lansing, Michigan", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 87
    {"Minneapolis, Minnesota", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 88
    {"St. Paul, Minnesota", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 89
    {"Rochester, Minnesota", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 90
    {"Greenville, Mississippi", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 91
    {"Jackson, Mississippi", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 92
    {"Tupelo, Mississippi", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 93
    {"Jefferson City, Missouri", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 94
    {"Kansas City, Missouri", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 95
    {"Springfield, Missouri", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 96
    {"St. Louis, Missouri", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 97
    {"Billings, Montana", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 98
    {"Butte, Montana", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 99
    {"Great Falls, Montana", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 100
    {"Helena, Montana", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 101
    {"Grand Island, Nebraska", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 102
    {"Lincoln, Nebraska", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 103
    {"Omaha, Nebraska", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 104
    {"Scottsbluff, Nebraska", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 105
    {"Concord, New Hampshire", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 106
    {"Manchester, New Hampshire", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 107
    {"Portsmouth, New Hampshire", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 108
    {"Rochester, New Hampshire", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 109
    {"Atlantic City, New Jersey", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 110
    {"Elizabeth, New Jersey", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 111
    {"Paterson, New Jersey", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 112
    {"Trenton, New Jersey", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 113
    {"Albuquerque, New Mexico", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 114
    {"Farmington, New Mexico", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 115
    {"Las Cruces, New Mexico", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 116
    {"Roswell, New Mexico", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 117
    {"Santa Fe, New Mexico", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 118
    {"Albany, New York", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 119
    {"Buffalo, New York", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 120
    {"New York, New York", 5, 4, false, 430, 100, {31, 112, 111, 113, 78}},  // 121
    {"Syracuse, New York", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 122
    {"Rochester, New York", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 123
    {"Carson City, Nevada", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 124
    {"Las Vegas, Nevada", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 125
    {"Reno, Nevada", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 126
    {"Charlotte, North Carolina", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 127
    {"Durham, North Carolina", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 128
    {"Greensboro, North Carolina", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 129
    {"Raleigh, North Carolina", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 130
    {"Winston-Salem, North Carolina", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 131
    {"Bismarck, North Dakota", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 132
    {"Jamestown, North Dakota", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 133
    {"West Fargo, North Dakota", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 134
    {"Williston, North Dakota", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 135
    {"Akron, Ohio", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 136
    {"Cleveland, Ohio", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 137
    {"Cincinnati, Ohio", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 138
    {"Columbus, Ohio", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 139
    {"Dayton, Ohio", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 140
    {"Toledo, Ohio", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 141
    {"Oklahoma City, Oklahoma", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 142
    {"Shawnee, Oklahoma", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 143
    {"Stillwater, Oklahoma", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 144
    {"Tulsa, Oklahoma", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 145
    {"Eugene, Oregon", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 146
    {"Portland, Oregon", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 147
    {"Salem, Oregon", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 148
    {"Allentown, Pennsylvania", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 149
    {"Erie, Pennsylvania", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 150
    {"Harrisburg, Pennsylvania", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 151
    {"Lancaster, Pennsylvania", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 152
    {"Philadelphia, Pennsylvania", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 153
    {"Pittsburgh, Pennsylvania", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 154
    {"Scranton, Pennsylvania", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 155
    {"Providence, Rhode Island", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 156
    {"Warwick, Rhode Island", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 157
    {"Charleston, South Carolina", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 158
    {"Columbia, South Carolina", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 159
    {"Pierre, South Dakota", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 160
    {"Rapid City, South Dakota", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 161
    {"Souix Falls, South Dakota", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 162
    {"Chattanooga, Tennessee", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 163
    {"Knoxville, Tennessee", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 164
    {"Memphis, Tennessee", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 165
    {"Nashville, Tennessee", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 166
    {"Amarillo, Texas", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 167
    {"Austin, Texas", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 168
    {"Dallas, Texas", 5, 4, false, 231, 212, {46, 38, 171, 7, 170}},  // 169
    {"Fort Worth, Texas", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 170
    {"Houston, Texas", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 171
    {"San Antonio, Texas", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 172
    {"Logan, Utah", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 173
    {"Orem, Utah", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 174
    {"Salt Lake City, Utah", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 175
    {"St. George, Utah", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 176
    {"Burlington, Vermont", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 177
    {"Montpelier, Vermont", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 178
    {"Charlottesville, Virginia", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 179
    {"Manassas, Virginia", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 180
    {"Newport News, Virginia", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 181
    {"Norfolk, Virginia", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 182
    {"Portsmouth, Virginia", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 183
    {"Richmond, Virginia", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 184
    {"Roanoke, Virginia", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 185
    {"Olympia, Washington", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 186
    {"Seattle, Washington", 5, 4, false, 41, 15, {189, 21, 188, 147, 17}},  // 187
    {"Spokane, Washington", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 188
    {"Tacoma, Washington", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 189
    {"Walla Walla, Washington", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 190
    {"Charleston, West Virginia", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 191
    {"Morgantown, West Virginia", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 192
    {"Wheeling, West Virginia", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 193
    {"Green Bay, Wisconsin", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 194
    {"Madison, Wisconsin", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 195
    {"Milwaukee, Wisconsin", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 196
    {"Casper, Wyoming", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 197
    {"Cheyenne, Wyoming", 3, 2, true, 0, 0, {0, 0, 0, 0, 0}},  // 198
    {"Green River, Wyoming", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 199
    {"Laramie, Wyoming", 3, 2, false, 0, 0, {0, 0, 0, 0, 0}},  // 200
}};

}  // namespace rq
