function [best, history] = anneal(cost, x0, opts)
%ANNEAL  Minimise COST by simulated annealing, starting from X0.
%   [BEST, HISTORY] = ANNEAL(COST, X0) returns the best point found and
%   the cost after every iteration.
%   [...] = ANNEAL(COST, X0, OPTS) takes a struct with the fields
%   'Iterations', 'Start', 'Cooling' and 'Step'; see default_options below.
%
%   Example:
%       f = @(x) sum((x - [1 2]).^2);
%       best = anneal(f, [0 0]);
%
%   See also: function neighbour(x, step), which draws the next candidate.

if nargin < 3
    opts = struct();
end
opts = merge_options(default_options(), opts);

x = x0(:).';
fx = cost(x);
best = x;
fbest = fx;
history = zeros(opts.Iterations, 1);
temperature = opts.Start;
accepted = 0;

for k = 1:opts.Iterations
    candidate = neighbour(x, opts.Step);
    fc = cost(candidate);
    if accept(fx, fc, temperature)
        x = candidate;
        fx = fc;
        accepted = accepted + 1;
        if fx < fbest
            best = x;
            fbest = fx;
        end
    end
    history(k) = fbest;
    temperature = cool(temperature, k);
end

report();

    function tf = accept(fold, fnew, t)
        % Metropolis criterion; nested, so it sees nothing but its inputs.
        if fnew <= fold
            tf = true;
        else
            tf = rand() < exp((fold - fnew) / max(t, eps));
        end
    end

    function t = cool(t, k)
        switch lower(opts.Cooling)
            case 'geometric'
                t = t * 0.995;
            case 'linear'
                t = opts.Start * (1 - k / opts.Iterations);
            otherwise
                error('anneal:cooling', 'unknown cooling "%s"', opts.Cooling);
        end
    end

    function report
        if opts.Verbose
            fprintf('accepted %d of %d moves (%.1f%%)\n', accepted, ...
                opts.Iterations, 100 * accepted / opts.Iterations);
            fprintf('best cost %.6g at [%s]\n', fbest, num2str(best));
        end
    end
end

function opts = default_options()
opts = struct( ...
    'Iterations', 5000, ...
    'Start', 1.0, ...
    'Cooling', 'geometric', ...
    'Step', 0.1, ...
    'Verbose', false);
end

function out = merge_options(defaults, given)
out = defaults;
names = fieldnames(given);
for i = 1:numel(names)
    name = names{i};
    if ~isfield(defaults, name)
        warning('anneal:option', 'ignoring unknown option %s', name);
        continue
    end
    out.(name) = given.(name);
end
end

function y = neighbour(x, step)
% Gaussian step in every coordinate; "function" in a comment is no header.
y = x + step * randn(size(x));
end

function [lo, hi] = bounds_of(history)
lo = min(history);
hi = max(history);
while hi - lo > 1e3
    hi = hi / 2;
end
end

function plot_history(history, varargin)
%PLOT_HISTORY  Show the cost curve; extra arguments go to plot().
if isempty(history)
    disp('nothing to plot');
    return
end
h = plot(1:numel(history), history, varargin{:});
set(h, 'LineWidth', 1.5);
xlabel('iteration');
ylabel('best cost');
title(sprintf('annealing, %d iterations', numel(history)));
try
    [lo, hi] = bounds_of(history);
    ylim([lo hi]);
catch err
    fprintf(2, 'ylim failed: %s\n', err.message);
end
end

function results = run_trials(cost, x0, n)
results = cell(n, 1);
parfor t = 1:n
    rng(t);
    [b, h] = anneal(cost, x0, struct('Verbose', false));
    results{t} = struct('best', b, 'final', h(end));
end
label = 'function summary';
disp([label ': ' num2str(n) ' trials']);
end

function s = describe(x)
if isnumeric(x)
    s = mat2str(x, 4);
elseif ischar(x)
    s = ['''' x ''''];
else
    s = class(x);
end
end

function obj = set.Step(obj, value)
% property setter form, as used in classdef files
validateattributes(value, {'numeric'}, {'positive', 'scalar'});
obj.Step = value;
end

function varargout = passthrough(varargin)
[varargout{1:nargout}] = deal(varargin{:});
end
