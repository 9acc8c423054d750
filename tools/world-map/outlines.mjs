// Writes the outlines that render-world-map paints, as plain JSON in degrees:
//   { "land": [polygon...], "ice": [polygon...], "borders": [line...] }
// A polygon is a list of rings, a ring or line a list of [longitude, latitude] pairs.
// Land comes from the Natural Earth land layer, the ice sheets (Antarctica, Greenland) and the
// borders between countries from the admin-0 country layer.
import {feature, mesh} from 'topojson-client';
import {mkdirSync, readFileSync, writeFileSync} from 'node:fs';
import {dirname} from 'node:path';
import {createRequire} from 'node:module';

const require = createRequire(import.meta.url);
const readTopology = (name) => JSON.parse(readFileSync(require.resolve(`world-atlas/${name}`)));

const ICE_SHEET_COUNTRIES = new Set(['010', '304']);  // ISO 3166-1 numeric: Antarctica, Greenland

function polygonsOf(geometry) {
  if (geometry.type === 'Polygon') return [geometry.coordinates];
  if (geometry.type === 'MultiPolygon') return geometry.coordinates;
  return [];
}

function featuresOf(collection) {
  return collection.type === 'FeatureCollection' ? collection.features : [collection];
}

const landTopology = readTopology('land-50m.json');
const land = featuresOf(feature(landTopology, landTopology.objects.land))
                 .flatMap((f) => polygonsOf(f.geometry));

const countryTopology = readTopology('countries-50m.json');
const countries = featuresOf(feature(countryTopology, countryTopology.objects.countries));
const ice = countries.filter((f) => ICE_SHEET_COUNTRIES.has(f.id))
                .flatMap((f) => polygonsOf(f.geometry));
const borders =
    mesh(countryTopology, countryTopology.objects.countries, (a, b) => a !== b).coordinates;

const output = process.argv[2];
if (!output) {
  console.error('usage: node outlines.mjs OUTPUT.json');
  process.exit(2);
}
mkdirSync(dirname(output), {recursive: true});
writeFileSync(output, JSON.stringify({land, ice, borders}));
console.log(`${output}: ${land.length} land polygons, ${ice.length} ice polygons, ` +
            `${borders.length} border lines`);
