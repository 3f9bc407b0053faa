// The scenes of the documentation, as the Windows screenshots show them (tests/app/scene_driver.cpp), each as
// the text front-end command line that leads into it: the browser's screenshots, the pixel tests and the
// benchmark drive the page into them, and tarvel_cache_text --scene gives their drawing commands. The random
// sequence is seeded, so that the page and the text front-end draw the same one.
const given = ['0', '20480', '2048', '40960', '0', '61440', '20480', '81920', '2048', '0'];

const addresses = (list) => list.flatMap((address) => ['--address', address]);

// One individual run per address, each continuing on the cache of the one before.
const individually = (list) =>
    list.flatMap((address, i) => [...(i > 0 ? ['--then'] : []), '--address', address]);

export const scenes = [
    {name: 'splash', args: null},
    {
        name: 'individual-direct',
        args: [
            '--ram', '1', '--cache', '16', '--block', '1024', '--mapping', 'directa', '--mode', 'individual',
            ...individually(['74565', '5000', '200000', '74565', '90949'])
        ],
    },
    {
        name: 'individual-associative',
        args: [
            '--ram', '1', '--cache', '16', '--block', '4096', '--mapping', 'asociativa', '--policy', 'LRU',
            '--mode', 'individual', ...individually(['74565', '8192', '300000', '90000', '74600', '500000'])
        ],
    },
    {
        name: 'individual-set-associative',
        args: [
            '--ram', '1', '--cache', '16', '--block', '2048', '--mapping', 'asociativa pe seturi', '--policy',
            'FIFO', '--sets', '4', '--mode', 'individual',
            ...individually(['74565', '8192', '300000', '9000', '532480', '106496'])
        ],
    },
    {
        name: 'given-sequence',
        args: [
            '--ram', '1', '--cache', '16', '--block', '2048', '--mapping', 'asociativa pe seturi', '--policy',
            'LRU', '--sets', '2', '--mode', 'secventa data', '--iterations', '1', ...addresses(given)
        ],
    },
    {
        name: 'random-chart',
        args: [
            '--ram', '1', '--cache', '16', '--block', '1024', '--mapping', 'asociativa', '--policy', 'LRU',
            '--mode', 'secventa aleatoare', '--iterations', '100', '--seed', '2016'
        ],
    },
    {
        name: 'given-chart',
        args: [
            '--ram', '1', '--cache', '16', '--block', '2048', '--mapping', 'directa', '--mode',
            'secventa data', '--iterations', '5', ...addresses(given)
        ],
    },
];
