// The peer on n2words (npm, version 4): the same two-line job as qev-words for each line of
// standard input, with toCurrency on the amount as a string. For words_throughput.sh; run with
// NODE_PATH pointing at the node_modules that holds n2words.
import { createInterface } from 'node:readline';
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';

const require = createRequire(pathToFileURL(process.env.N2WORDS_DIR + '/'));
const { toCurrency } = await import(pathToFileURL(require.resolve('n2words/en-US')).href);

const style = process.argv[2] || 'upper';
const recast = {
    upper: (text) => text.toUpperCase(),
    lower: (text) => text,
    title: (text) => text.replace(/(^|\s)(\S)/g, (_, space, letter) => space + letter.toUpperCase()),
}[style];

let out = '';
for await (const line of createInterface({ input: process.stdin, crlfDelay: Infinity })) {
    const [integer, fraction = ''] = line.split('.');
    const grouped = integer.replace(/\B(?=(\d{3})+(?!\d))/g, ',');
    const cents = (fraction + '00').slice(0, 2);
    out += `输入： USD${grouped}.${cents}\n输出： ${recast(`say ${toCurrency(line)} only`)}\n`;
    if (out.length >= 65536) {
        if (!process.stdout.write(out)) {
            await new Promise((resolve) => process.stdout.once('drain', resolve));
        }
        out = '';
    }
}
process.stdout.write(out);
