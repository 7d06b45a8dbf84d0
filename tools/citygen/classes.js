// Size classes and scenery layers of the 200 cities, from real population and real geography.
//
// Size (how many citizens a city draws, how big its street is): by GeoNames population. The 12 hub
// cities are given as 5; the 5 most populous other cities join them (17 × 5); the next 48 are 4, the
// next 84 are 3 and the last 51 are 2. Birmingham and Montgomery are given as 3 and keep it; the
// ranks skip them.
//
// Scenery bits (the layers of the station's skyline): 1 = a mountain range on the horizon, 2 = a town
// of low houses and trees, 4 = a downtown of tall buildings. The rule:
//   - downtown (4): the 55 most populous cities (all of size 5 and the bigger ones of size 4);
//     every other city gets the low town (2) instead;
//   - mountains (1): cities that see a mountain range. The mountain score of a city is the height of
//     the nearest ranges over their distance, max over the ranges below of relief / max(distance, 15 km)
//     (roughly how high the range stands above the horizon). A seaport looks out over the water, not at
//     the hills: a city within 25 km of the open sea gets no mountains (Los Angeles, San Francisco,
//     Seattle). The best-scoring cities get the range: 6 downtowns (5 = downtown + mountains) and
//     57 towns;
//   - of those 57 mountain towns, the 9 small places (Size 2) with the highest mountain score sit so
//     close under the range that it fills their view: mountains only (1); the other 48 are 3
//     (mountains + town); the rest are plain towns (2).
// That gives 9 × 1, 88 × 2, 48 × 3, 49 × 4 and 6 × 5. The given rows keep their values and fit the
// rule: Phoenix, Denver and Atlanta (at the foot of the Blue Ridge, with Kennesaw and Stone Mountain
// in sight) are 5, the other hubs 4, Birmingham and Montgomery 2.
'use strict';

const { FIXED_ROWS } = require('./data');
const { distanceKm } = require('./geo');

const SIZE_COUNTS = { 5: 17, 4: 48, 3: 84, 2: 51 };
const SCENERY_COUNTS = { 1: 9, 2: 88, 3: 48, 4: 49, 5: 6 };
const DOWNTOWNS = SCENERY_COUNTS[4] + SCENERY_COUNTS[5];
const MOUNTAIN_DOWNTOWNS = SCENERY_COUNTS[5];
const MOUNTAIN_TOWNS = SCENERY_COUNTS[1] + SCENERY_COUNTS[3];
const MOUNTAIN_ONLY = SCENERY_COUNTS[1];
const SEAPORT_KM = 25;
const NEAR_KM = 15;

// Mountain ranges that stand on a city's horizon: relief above the surrounding country in km and
// points along the crest as [lon, lat].
const MOUNTAIN_RANGES = [
  ['Cascade Range', 2.5, [[-121.81, 48.78], [-121.76, 46.85], [-121.49, 46.2], [-121.7, 45.37],
    [-121.77, 44.1], [-122.11, 42.94], [-122.19, 41.41]]],
  ['Olympic Mountains', 2.0, [[-123.71, 47.8], [-123.3, 47.6]]],
  ['Klamath Mountains', 1.6, [[-123.5, 41.8], [-122.8, 41.0]]],
  ['California Coast Ranges', 1.0, [[-122.63, 38.67], [-122.3, 39.3], [-121.91, 37.88], [-122.0, 37.1],
    [-121.4, 36.0]]],
  ['Sierra Nevada', 2.8, [[-121.5, 40.49], [-120.24, 39.32], [-119.93, 39.34], [-119.92, 39.08],
    [-119.5, 37.75], [-118.7, 37.0], [-118.29, 36.58], [-118.3, 35.6], [-118.5, 35.1]]],
  ['Transverse and Peninsular Ranges', 2.0, [[-118.1, 34.3], [-117.65, 34.29], [-116.83, 34.1],
    [-116.68, 33.81], [-116.5, 33.3], [-116.45, 32.85]]],
  ['Spring Mountains', 2.3, [[-115.67, 36.27]]],
  ['South Mountain and the Phoenix Mountains', 0.45, [[-112.06, 33.33], [-111.96, 33.52]]],
  ['Wasatch Range', 2.0, [[-111.85, 41.85], [-111.7, 41.4], [-111.75, 40.75], [-111.65, 40.39],
    [-111.6, 40.0]]],
  ['Uinta Mountains', 2.0, [[-111.0, 40.7], [-110.0, 40.75], [-109.6, 40.8]]],
  ['Pine Valley Mountains', 1.7, [[-113.48, 37.38]]],
  ['San Francisco Peaks', 1.5, [[-111.68, 35.35]]],
  ['Bradshaw Mountains', 1.2, [[-112.3, 34.3], [-112.55, 34.6]]],
  ['Superstition and Mazatzal Mountains', 1.2, [[-111.2, 33.45], [-111.33, 33.68], [-111.5, 34.0]]],
  ['Santa Catalina and Rincon Mountains', 1.9, [[-110.79, 32.43], [-110.55, 32.2], [-110.88, 31.71]]],
  ['Sandia Mountains', 1.5, [[-106.45, 35.21]]],
  ['Sangre de Cristo Mountains', 2.0, [[-105.8, 35.8], [-105.5, 36.6], [-105.5, 37.6], [-105.2, 38.0]]],
  ['Organ Mountains', 1.5, [[-106.56, 32.35]]],
  ['Sacramento and Capitan Mountains', 1.2, [[-105.8, 32.95], [-105.3, 33.6]]],
  ['La Plata Mountains', 1.5, [[-108.1, 37.4]]],
  ['Front Range', 2.2, [[-105.6, 40.6], [-105.65, 40.25], [-105.64, 39.59], [-105.04, 38.84]]],
  ['Elk Mountains and Sawatch Range', 2.0, [[-106.95, 39.07], [-106.45, 39.12], [-106.3, 38.6]]],
  ['Grand Mesa', 1.5, [[-108.0, 39.05]]],
  ['San Juan Mountains', 2.0, [[-107.6, 37.8]]],
  ['Park Range', 1.5, [[-106.7, 40.5]]],
  ['Laramie Mountains', 1.2, [[-105.4, 42.2], [-105.3, 41.4]]],
  ['Medicine Bow Mountains', 1.5, [[-106.3, 41.35]]],
  ['Casper Mountain', 0.8, [[-106.3, 42.75]]],
  ['Wind River Range', 2.5, [[-109.6, 43.0], [-109.2, 42.6]]],
  ['Bighorn Mountains', 2.0, [[-107.2, 44.4], [-107.5, 44.9]]],
  ['Teton Range', 2.1, [[-110.8, 43.74]]],
  ['Rocky Mountain Front', 1.5, [[-112.8, 47.5], [-112.6, 47.9], [-113.5, 48.6]]],
  ['Big Belt and Elkhorn Mountains', 1.2, [[-111.3, 46.6], [-111.95, 46.3]]],
  ['Highland Mountains and the Continental Divide at Butte', 1.2, [[-112.45, 46.0], [-112.5, 45.8]]],
  ['Highwood and Little Belt Mountains', 1.0, [[-110.78, 47.5], [-110.6, 47.2]]],
  ['Crazy Mountains', 1.8, [[-110.3, 46.1]]],
  ['Beartooth and Pryor Mountains', 1.5, [[-109.8, 45.1], [-108.4, 45.2]]],
  ['Bitterroot Range', 2.0, [[-114.3, 46.0], [-114.5, 46.6]]],
  ['Boise Mountains', 1.3, [[-116.1, 43.75]]],
  ['Sawtooth Range', 2.0, [[-115.0, 44.1]]],
  ['Pocatello and Bannock Ranges', 1.0, [[-112.35, 42.85], [-112.2, 42.5]]],
  ['South Hills', 0.8, [[-114.3, 42.2]]],
  ['Blue Mountains', 1.2, [[-117.9, 46.0], [-117.5, 46.1]]],
  ['Selkirk Mountains and Mount Spokane', 1.2, [[-117.12, 47.92]]],
  ['Black Hills', 1.0, [[-103.6, 43.9], [-103.75, 44.3]]],
  ['Oregon Coast Range', 0.8, [[-123.5, 44.0], [-123.4, 45.0]]],
  ['Kennesaw Mountain and Stone Mountain', 0.25, [[-84.58, 33.98], [-84.15, 33.81]]],
  ['Blue Ridge', 1.0, [[-84.19, 34.63], [-83.81, 34.87], [-83.5, 35.56], [-82.27, 35.77], [-81.8, 36.1],
    [-80.6, 36.7], [-80.0, 37.3], [-79.5, 37.6], [-78.8, 38.1], [-78.45, 38.5], [-78.0, 39.0],
    [-77.6, 39.5], [-77.45, 39.9]]],
  ['Allegheny Front and Cumberland Plateau', 0.7, [[-85.35, 34.95], [-84.5, 35.9], [-83.7, 36.6],
    [-81.9, 37.3], [-80.5, 38.2], [-79.8, 38.7], [-79.4, 39.2], [-79.15, 39.9], [-78.6, 40.4],
    [-77.8, 40.8], [-76.9, 41.3]]],
  ['Pocono Mountains', 0.5, [[-75.5, 41.2], [-75.8, 41.4]]],
  ['Catskill Mountains', 1.0, [[-74.3, 42.1], [-74.4, 42.2]]],
  ['Adirondack Mountains', 1.3, [[-73.9, 44.1], [-74.2, 43.8]]],
  ['Green Mountains', 1.0, [[-72.81, 44.54], [-72.89, 44.32], [-72.82, 43.6], [-73.0, 43.0]]],
  ['White Mountains', 1.5, [[-71.3, 44.27], [-71.6, 44.1]]],
  ['Berkshires and Taconic Mountains', 0.6, [[-73.17, 42.64], [-73.3, 42.0]]],
  ['Ouachita Mountains and Boston Mountains', 0.5, [[-94.0, 34.6], [-93.1, 34.65], [-93.5, 35.8],
    [-94.2, 35.7]]],
  ['Wichita Mountains', 0.4, [[-98.7, 34.75]]],
  ['Katahdin', 1.6, [[-68.92, 45.9]]],
];

// Points of the nation's outline that lie on the open sea: the Great Lakes shores and the land borders
// with Canada and Mexico are left out.
function seaCoastPoints(nationRings) {
  const onSea = ([lon, lat]) => {
    if (lon > -92.5 && lon < -75.8 && lat > 41.2 && lat < 49.1) return false; // the Great Lakes
    if (lat > 48.95 && lon > -123.0) return false;                             // the 49th parallel
    if (lat > 45.0 && lon > -80 && lon < -66.9) return false;                  // New England's border
    if (lat < 32.75 && lon > -117.12 && lon < -97.14 && !(lat > 26.1 && lon > -97.6)) return false;
    return true;
  };
  return nationRings.flat().filter(onSea);
}

function mountainScore(lonLat) {
  let best = 0;
  let bestRange = '';
  for (const [name, relief, points] of MOUNTAIN_RANGES) {
    // Distance to the crest line: sample the segments between the listed points.
    for (let i = 0; i < points.length; i++) {
      const a = points[i];
      const b = points[Math.min(i + 1, points.length - 1)];
      for (let t = 0; t <= 1; t += 0.05) {
        const p = [a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t];
        const score = relief / Math.max(distanceKm(lonLat, p), NEAR_KM);
        if (score > best) {
          best = score;
          bestRange = name;
        }
      }
    }
  }
  return { score: best, range: bestRange };
}

function countsOf(values) {
  const counts = {};
  for (const v of values) counts[v] = (counts[v] || 0) + 1;
  return counts;
}

// Takes the first `count` of the ranked cities that are not given, after the given ones that
// already have the class.
function takeRanked(ranked, count, isGivenWith) {
  const given = ranked.filter(isGivenWith).length;
  return ranked.filter((p) => !FIXED_ROWS[p.no]).slice(0, count - given);
}

function assignSizes(places) {
  const size = new Array(places.length + 1).fill(0);
  for (const p of places) if (FIXED_ROWS[p.no]) size[p.no] = FIXED_ROWS[p.no].size;
  const ranked = places.filter((p) => !FIXED_ROWS[p.no]).sort((a, b) => b.population - a.population);
  let next = 0;
  for (const cls of [5, 4, 3, 2]) {
    const given = places.filter((p) => FIXED_ROWS[p.no] && FIXED_ROWS[p.no].size === cls).length;
    for (let k = 0; k < SIZE_COUNTS[cls] - given; k++) size[ranked[next++].no] = cls;
  }
  if (next !== ranked.length) throw new Error('the size counts do not add up to 200 cities');
  return size;
}

function assignScenery(places, size, nationRings) {
  const sea = seaCoastPoints(nationRings);
  const info = places.map((p) => {
    const seaKm = Math.min(...sea.map((q) => distanceKm(p.lonLat, q)));
    const m = mountainScore(p.lonLat);
    return { no: p.no, population: p.population, seaKm, range: m.range,
      score: seaKm < SEAPORT_KM ? 0 : m.score };
  });
  const scenery = new Array(places.length + 1).fill(0);
  const given = (p) => FIXED_ROWS[p.no];
  for (const p of places) if (given(p)) scenery[p.no] = given(p).scenery;

  const byPopulation = [...info].sort((a, b) => b.population - a.population);
  const downtownGiven = byPopulation.filter((p) => given(p) && given(p).scenery >= 4).length;
  const downtown = new Set([
    ...byPopulation.filter((p) => given(p) && given(p).scenery >= 4).map((p) => p.no),
    ...byPopulation.filter((p) => !given(p)).slice(0, DOWNTOWNS - downtownGiven).map((p) => p.no),
  ]);
  const byScore = (a, b) => b.score - a.score || a.no - b.no;
  const downtowns = info.filter((p) => downtown.has(p.no)).sort(byScore);
  const towns = info.filter((p) => !downtown.has(p.no)).sort(byScore);

  for (const p of takeRanked(downtowns, MOUNTAIN_DOWNTOWNS, (q) => given(q) && given(q).scenery === 5)) {
    scenery[p.no] = 5;
  }
  const mountainTowns = takeRanked(towns, MOUNTAIN_TOWNS, (q) => given(q) && given(q).scenery & 1);
  const underTheRange = mountainTowns.filter((p) => size[p.no] === 2).slice(0, MOUNTAIN_ONLY);
  if (underTheRange.length < MOUNTAIN_ONLY) throw new Error('too few small mountain places');
  for (const p of mountainTowns) scenery[p.no] = underTheRange.includes(p) ? 1 : 3;
  for (const p of info) {
    if (scenery[p.no] === 0) scenery[p.no] = downtown.has(p.no) ? 4 : 2;
  }
  return { scenery, info };
}

function checkCounts(size, scenery) {
  const problems = [];
  const sc = countsOf(size.slice(1));
  for (const [cls, n] of Object.entries(SIZE_COUNTS)) {
    if (sc[cls] !== n) problems.push(`Size ${cls}: ${sc[cls] || 0} cities, want ${n}`);
  }
  const sum = size.slice(1).reduce((a, b) => a + b, 0);
  if (sum !== 631) problems.push(`the sizes add up to ${sum}, want 631`);
  const ss = countsOf(scenery.slice(1));
  for (const [cls, n] of Object.entries(SCENERY_COUNTS)) {
    if (ss[cls] !== n) problems.push(`Scenery ${cls}: ${ss[cls] || 0} cities, want ${n}`);
  }
  for (const [no, row] of Object.entries(FIXED_ROWS)) {
    if (size[no] !== row.size || scenery[no] !== row.scenery) problems.push(`city ${no} lost its given row`);
  }
  return problems;
}

module.exports = { assignSizes, assignScenery, checkCounts, mountainScore, MOUNTAIN_RANGES };
