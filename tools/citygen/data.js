// The fixed data of the city table: the 200 names and capital flags, the rows the game gives in full,
// and the spellings under which GeoNames knows a few of the cities.
'use strict';

// Cities 1..200 in number order: [name as the game stores it, is a state capital].
const CITY_NAMES = [
  ["Birmingham, Alabama", false],                     // 1
  ["Huntsville, Alabama", false],                     // 2
  ["Mobile, Alabama", false],                         // 3
  ["Montgomery, Alabama", true],                     // 4
  ["Flagstaff, Arizona", false],                      // 5
  ["Mesa, Arizona", false],                           // 6
  ["Phoenix, Arizona", true],                        // 7
  ["Prescott, Arizona", false],                       // 8
  ["Tucson, Arizona", false],                         // 9
  ["Jonesboro, Arkansas", false],                     // 10
  ["Little Rock, Arkansas", true],                   // 11
  ["Fresno, California", false],                      // 12
  ["Los Angeles, California", false],                 // 13
  ["Santa Rosa, California", false],                  // 14
  ["Sacramento, California", true],                  // 15
  ["San Diego, California", false],                   // 16
  ["San Francisco, California", false],               // 17
  ["San Jose, California", false],                    // 18
  ["Aspen, Colorado", false],                         // 19
  ["Colorado Springs, Colorado", false],              // 20
  ["Denver, Colorado", true],                        // 21
  ["Grand Junction, Colorado", false],                // 22
  ["Pueblo, Colorado", false],                        // 23
  ["Bridgeport, Connecticut", false],                 // 24
  ["Hartford, Connecticut", true],                   // 25
  ["New Haven, Connecticut", false],                  // 26
  ["Waterbury, Connecticut", false],                  // 27
  ["Dover, Delaware", true],                         // 28
  ["Newark, Delaware", false],                        // 29
  ["Wilmington, Delaware", false],                    // 30
  ["Washington, D.C.", true],                        // 31
  ["Fort Lauderdale, Florida", false],                // 32
  ["Jacksonville, Florida", false],                   // 33
  ["Orlando, Florida", false],                        // 34
  ["Miami, Florida", false],                          // 35
  ["Tallahassee, Florida", true],                    // 36
  ["St. Petersburg, Florida", false],                 // 37
  ["Atlanta, Georgia", true],                        // 38
  ["Augusta, Georgia", false],                        // 39
  ["Macon, Georgia", false],                          // 40
  ["Savannah, Georgia", false],                       // 41
  ["Boise, Idaho", true],                            // 42
  ["Lewiston, Idaho", false],                         // 43
  ["Pocatello, Idaho", false],                        // 44
  ["Twin Falls, Idaho", false],                       // 45
  ["Chicago, Illinois", false],                       // 46
  ["Peoria, Illinois", false],                        // 47
  ["Rockford, Illinois", false],                      // 48
  ["Springfield, Illinois", true],                   // 49
  ["Urbana, Illinois", false],                        // 50
  ["Evansville, Indiana", false],                     // 51
  ["Gary, Indiana", false],                           // 52
  ["Fort Wayne, Indiana", false],                     // 53
  ["Indianapolis, Indiana", true],                   // 54
  ["South Bend, Indiana", false],                     // 55
  ["Cedar Rapids, Iowa", false],                      // 56
  ["Des Moines, Iowa", true],                        // 57
  ["Fort Dodge, Iowa", false],                        // 58
  ["Dodge City, Kansas", false],                      // 59
  ["Overland Park, Kansas", false],                   // 60
  ["Topeka, Kansas", true],                          // 61
  ["Wichita, Kansas", false],                         // 62
  ["Frankfort, Kentucky", true],                     // 63
  ["Lexington, Kentucky", false],                     // 64
  ["Louisville, Kentucky", false],                    // 65
  ["Baton Rouge, Louisiana", true],                  // 66
  ["Lafayette, Louisiana", false],                    // 67
  ["New Orleans, Louisiana", false],                  // 68
  ["Shreveport, Louisiana", false],                   // 69
  ["Augusta, Maine", true],                          // 70
  ["Lewiston, Maine", false],                         // 71
  ["Portland, Maine", false],                         // 72
  ["Rangor, Maine", false],                           // 73
  ["Annapolis, Maryland", true],                     // 74
  ["Baltimore, Maryland", false],                     // 75
  ["Frederick, Maryland", false],                     // 76
  ["Hagerstown, Maryland", false],                    // 77
  ["Boston, Massachusetts", true],                   // 78
  ["Gloucester, Massachusetts", false],               // 79
  ["Lowell, Massachusetts", false],                   // 80
  ["Springfield, Massachusetts", false],              // 81
  ["Worcester, Massachusetts", false],                // 82
  ["Ann Arbor, Michigan", false],                     // 83
  ["Detroit, Michigan", false],                       // 84
  ["Flint, Michigan", false],                         // 85
  ["Grand Rapids, Michigan", false],                  // 86
  ["Lansing, Michigan", true],                       // 87
  ["Minneapolis, Minnesota", false],                  // 88
  ["St. Paul, Minnesota", true],                     // 89
  ["Rochester, Minnesota", false],                    // 90
  ["Greenville, Mississippi", false],                 // 91
  ["Jackson, Mississippi", true],                    // 92
  ["Tupelo, Mississippi", false],                     // 93
  ["Jefferson City, Missouri", true],                // 94
  ["Kansas City, Missouri", false],                   // 95
  ["Springfield, Missouri", false],                   // 96
  ["St. Louis, Missouri", false],                     // 97
  ["Billings, Montana", false],                       // 98
  ["Butte, Montana", false],                          // 99
  ["Great Falls, Montana", false],                    // 100
  ["Helena, Montana", true],                         // 101
  ["Grand Island, Nebraska", false],                  // 102
  ["Lincoln, Nebraska", true],                       // 103
  ["Omaha, Nebraska", false],                         // 104
  ["Scottsbluff, Nebraska", false],                   // 105
  ["Concord, New Hampshire", true],                  // 106
  ["Manchester, New Hampshire", false],               // 107
  ["Portsmouth, New Hampshire", false],               // 108
  ["Rochester, New Hampshire", false],                // 109
  ["Atlantic City, New Jersey", false],               // 110
  ["Elizabeth, New Jersey", false],                   // 111
  ["Paterson, New Jersey", false],                    // 112
  ["Trenton, New Jersey", true],                     // 113
  ["Albuquerque, New Mexico", false],                 // 114
  ["Farmington, New Mexico", false],                  // 115
  ["Las Cruces, New Mexico", false],                  // 116
  ["Roswell, New Mexico", false],                     // 117
  ["Santa Fe, New Mexico", true],                    // 118
  ["Albany, New York", true],                        // 119
  ["Buffalo, New York", false],                       // 120
  ["New York, New York", false],                      // 121
  ["Syracuse, New York", false],                      // 122
  ["Rochester, New York", false],                     // 123
  ["Carson City, Nevada", true],                     // 124
  ["Las Vegas, Nevada", false],                       // 125
  ["Reno, Nevada", false],                            // 126
  ["Charlotte, North Carolina", false],               // 127
  ["Durham, North Carolina", false],                  // 128
  ["Greensboro, North Carolina", false],              // 129
  ["Raleigh, North Carolina", true],                 // 130
  ["Winston-Salem, North Carolina", false],           // 131
  ["Bismarck, North Dakota", true],                  // 132
  ["Jamestown, North Dakota", false],                 // 133
  ["West Fargo, North Dakota", false],                // 134
  ["Williston, North Dakota", false],                 // 135
  ["Akron, Ohio", false],                             // 136
  ["Cleveland, Ohio", false],                         // 137
  ["Cincinnati, Ohio", false],                        // 138
  ["Columbus, Ohio", true],                          // 139
  ["Dayton, Ohio", false],                            // 140
  ["Toledo, Ohio", false],                            // 141
  ["Oklahoma City, Oklahoma", true],                 // 142
  ["Shawnee, Oklahoma", false],                       // 143
  ["Stillwater, Oklahoma", false],                    // 144
  ["Tulsa, Oklahoma", false],                         // 145
  ["Eugene, Oregon", false],                          // 146
  ["Portland, Oregon", false],                        // 147
  ["Salem, Oregon", true],                           // 148
  ["Allentown, Pennsylvania", false],                 // 149
  ["Erie, Pennsylvania", false],                      // 150
  ["Harrisburg, Pennsylvania", true],                // 151
  ["Lancaster, Pennsylvania", false],                 // 152
  ["Philadelphia, Pennsylvania", false],              // 153
  ["Pittsburgh, Pennsylvania", false],                // 154
  ["Scranton, Pennsylvania", false],                  // 155
  ["Providence, Rhode Island", true],                // 156
  ["Warwick, Rhode Island", false],                   // 157
  ["Charleston, South Carolina", false],              // 158
  ["Columbia, South Carolina", true],                // 159
  ["Pierre, South Dakota", true],                    // 160
  ["Rapid City, South Dakota", false],                // 161
  ["Souix Falls, South Dakota", false],               // 162
  ["Chattanooga, Tennessee", false],                  // 163
  ["Knoxville, Tennessee", false],                    // 164
  ["Memphis, Tennessee", false],                      // 165
  ["Nashville, Tennessee", true],                    // 166
  ["Amarillo, Texas", false],                         // 167
  ["Austin, Texas", true],                           // 168
  ["Dallas, Texas", false],                           // 169
  ["Fort Worth, Texas", false],                       // 170
  ["Houston, Texas", false],                          // 171
  ["San Antonio, Texas", false],                      // 172
  ["Logan, Utah", false],                             // 173
  ["Orem, Utah", false],                              // 174
  ["Salt Lake City, Utah", true],                    // 175
  ["St. George, Utah", false],                        // 176
  ["Burlington, Vermont", false],                     // 177
  ["Montpelier, Vermont", true],                     // 178
  ["Charlottesville, Virginia", false],               // 179
  ["Manassas, Virginia", false],                      // 180
  ["Newport News, Virginia", false],                  // 181
  ["Norfolk, Virginia", false],                       // 182
  ["Portsmouth, Virginia", false],                    // 183
  ["Richmond, Virginia", true],                      // 184
  ["Roanoke, Virginia", false],                       // 185
  ["Olympia, Washington", true],                     // 186
  ["Seattle, Washington", false],                     // 187
  ["Spokane, Washington", false],                     // 188
  ["Tacoma, Washington", false],                      // 189
  ["Walla Walla, Washington", false],                 // 190
  ["Charleston, West Virginia", true],               // 191
  ["Morgantown, West Virginia", false],               // 192
  ["Wheeling, West Virginia", false],                 // 193
  ["Green Bay, Wisconsin", false],                    // 194
  ["Madison, Wisconsin", true],                      // 195
  ["Milwaukee, Wisconsin", false],                    // 196
  ["Casper, Wyoming", false],                         // 197
  ["Cheyenne, Wyoming", true],                       // 198
  ["Green River, Wyoming", false],                    // 199
  ["Laramie, Wyoming", false],                        // 200
];

// The rows of the 12 hub cities and of cities 1 and 4, exactly as the game has them.
// dest lists slots 1..5 in order.
const FIXED_ROWS = {
  1: { size: 3, scenery: 2, x: 325, y: 201, dest: [2, 67, 40, 4, 159] },     // Birmingham
  4: { size: 3, scenery: 2, x: 330, y: 212, dest: [3, 2, 36, 1, 92] },       // Montgomery
  7: { size: 5, scenery: 5, x: 92, y: 192, dest: [8, 6, 16, 169, 116] },     // Phoenix
  13: { size: 5, scenery: 4, x: 32, y: 172, dest: [16, 17, 12, 125, 15] },   // Los Angeles
  17: { size: 5, scenery: 4, x: 11, y: 128, dest: [14, 13, 21, 18, 187] },   // San Francisco
  21: { size: 5, scenery: 5, x: 160, y: 132, dest: [19, 187, 17, 46, 198] }, // Denver
  31: { size: 5, scenery: 4, x: 407, y: 129, dest: [121, 46, 74, 180, 38] }, // Washington, D.C.
  35: { size: 5, scenery: 4, x: 402, y: 283, dest: [32, 34, 37, 38, 33] },   // Miami
  38: { size: 5, scenery: 5, x: 347, y: 194, dest: [40, 169, 163, 35, 31] }, // Atlanta
  46: { size: 5, scenery: 4, x: 310, y: 106, dest: [169, 31, 196, 21, 52] }, // Chicago
  78: { size: 5, scenery: 4, x: 448, y: 79, dest: [82, 157, 156, 80, 121] }, // Boston
  121: { size: 5, scenery: 4, x: 430, y: 100, dest: [31, 112, 111, 113, 78] }, // New York
  169: { size: 5, scenery: 4, x: 231, y: 212, dest: [46, 38, 171, 7, 170] }, // Dallas
  187: { size: 5, scenery: 4, x: 41, y: 15, dest: [189, 21, 188, 147, 17] }, // Seattle
};

// The 13 marked links between hub cities (the same list as kMarkedLinks in src/world/CityData.h).
const MARKED_LINKS = [
  [7, 169], [13, 17], [17, 21], [17, 187], [21, 187], [21, 46], [31, 121],
  [31, 46], [31, 38], [35, 38], [38, 169], [46, 169], [78, 121],
];

const HUBS = [7, 13, 17, 21, 31, 35, 38, 46, 78, 121, 169, 187];

// State name -> [USPS code used by GeoNames, Census FIPS code used by the state outlines].
const STATES = {
  'Alabama': ['AL', '01'], 'Arizona': ['AZ', '04'], 'Arkansas': ['AR', '05'], 'California': ['CA', '06'],
  'Colorado': ['CO', '08'], 'Connecticut': ['CT', '09'], 'Delaware': ['DE', '10'],
  'D.C.': ['DC', '11'], 'Florida': ['FL', '12'], 'Georgia': ['GA', '13'], 'Idaho': ['ID', '16'],
  'Illinois': ['IL', '17'], 'Indiana': ['IN', '18'], 'Iowa': ['IA', '19'], 'Kansas': ['KS', '20'],
  'Kentucky': ['KY', '21'], 'Louisiana': ['LA', '22'], 'Maine': ['ME', '23'], 'Maryland': ['MD', '24'],
  'Massachusetts': ['MA', '25'], 'Michigan': ['MI', '26'], 'Minnesota': ['MN', '27'],
  'Mississippi': ['MS', '28'], 'Missouri': ['MO', '29'], 'Montana': ['MT', '30'], 'Nebraska': ['NE', '31'],
  'Nevada': ['NV', '32'], 'New Hampshire': ['NH', '33'], 'New Jersey': ['NJ', '34'],
  'New Mexico': ['NM', '35'], 'New York': ['NY', '36'], 'North Carolina': ['NC', '37'],
  'North Dakota': ['ND', '38'], 'Ohio': ['OH', '39'], 'Oklahoma': ['OK', '40'], 'Oregon': ['OR', '41'],
  'Pennsylvania': ['PA', '42'], 'Rhode Island': ['RI', '44'], 'South Carolina': ['SC', '45'],
  'South Dakota': ['SD', '46'], 'Tennessee': ['TN', '47'], 'Texas': ['TX', '48'], 'Utah': ['UT', '49'],
  'Vermont': ['VT', '50'], 'Virginia': ['VA', '51'], 'Washington': ['WA', '53'],
  'West Virginia': ['WV', '54'], 'Wisconsin': ['WI', '55'], 'Wyoming': ['WY', '56'],
};

// The game's spellings that GeoNames writes differently: the game's own misspellings of Bangor and
// Sioux Falls are kept in the table, and "Saint" may be written out.
const GEONAMES_SPELLINGS = {
  'Rangor': ['Bangor'],
  'Souix Falls': ['Sioux Falls'],
  'New York': ['New York City'],
  'Washington': ['Washington, D.C.', 'Washington'],
  'St. Paul': ['Saint Paul', 'St. Paul'],
  'St. George': ['Saint George', 'St. George'],
  'St. Petersburg': ['Saint Petersburg', 'St. Petersburg'],
  'St. Louis': ['Saint Louis', 'St. Louis'],
};

module.exports = { CITY_NAMES, FIXED_ROWS, MARKED_LINKS, HUBS, STATES, GEONAMES_SPELLINGS };
