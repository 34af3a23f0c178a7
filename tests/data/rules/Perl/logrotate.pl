#!/usr/bin/perl
# logrotate.pl - rotate and compress application log files
#
# sub main is the entry point; see also sub rotate_one below.
use strict;
use warnings;
use File::Copy qw(move copy);
use File::Basename;
use Getopt::Long;
use POSIX qw(strftime);

our $VERSION = '1.4';

# Forward declarations, so the calls below may omit parentheses.
sub log_msg;
sub rotate_one($$);
sub compress_file ($);

my %opt = (
    keep     => 7,
    compress => 1,
    dry_run  => 0,
    pattern  => '*.log',
);

my $usage = "usage: $0 [--keep N] [--no-compress] [--dry-run] DIR...\n";

sub usage {
    print STDERR $usage;
    exit 2;
}

sub log_msg {
    my ($level, @parts) = @_;
    my $stamp = strftime('%Y-%m-%d %H:%M:%S', localtime);
    printf STDERR "%s [%s] %s\n", $stamp, $level, join(' ', @parts);
}

sub parse_options {
    GetOptions(
        'keep=i'    => \$opt{keep},
        'compress!' => \$opt{compress},
        'dry-run'   => \$opt{dry_run},
        'pattern=s' => \$opt{pattern},
    ) or usage();
    usage() unless @ARGV;
    if ($opt{keep} < 1) {
        die "keep must be at least 1\n";
    }
    return @ARGV;
}

sub rotated_name {
    my ($file, $n) = @_;
    return $n == 0 ? $file : "$file.$n";
}

sub rotate_one($$) {
    my ($file, $keep) = @_;
    # sub-steps: drop the oldest, shift the rest, then move the live file
    my $oldest = rotated_name($file, $keep);
    for my $candidate ("$oldest", "$oldest.gz") {
        if (-e $candidate) {
            log_msg 'info', "removing $candidate";
            unlink $candidate or warn "cannot remove $candidate: $!\n"
                unless $opt{dry_run};
        }
    }
    for (my $n = $keep - 1; $n >= 1; $n--) {
        foreach my $suffix ('', '.gz') {
            my $from = rotated_name($file, $n) . $suffix;
            my $to   = rotated_name($file, $n + 1) . $suffix;
            next unless -e $from;
            log_msg 'info', "moving $from -> $to";
            move($from, $to) unless $opt{dry_run};
        }
    }
    my $first = rotated_name($file, 1);
    move($file, $first) unless $opt{dry_run};
    open(my $fh, '>', $file) or die "cannot recreate $file: $!\n";
    close $fh;
    return $first;
}

sub compress_file ($) {
    my ($file) = @_;
    return if $file =~ /\.gz$/;
    my @cmd = ('gzip', '-9', $file);
    log_msg 'info', "running @cmd";
    return 1 if $opt{dry_run};
    my $status = system(@cmd);
    if ($status != 0) {
        log_msg 'error', "gzip failed on $file";
        return 0;
    }
    return 1;
}

sub find_logs {
    my ($dir) = @_;
    my $glob = $opt{pattern};
    my @found;
    opendir(my $dh, $dir) or do {
        log_msg 'warn', "skipping $dir: $!";
        return;
    };
    while (my $entry = readdir $dh) {
        next if $entry =~ /^\./;
        my $path = "$dir/$entry";
        next unless -f $path;
        push @found, $path if match_glob($entry, $glob);
    }
    closedir $dh;
    return sort @found;
}

sub match_glob {
    my ($name, $glob) = @_;
    (my $re = quotemeta $glob) =~ s/\\\*/.*/g;
    $re =~ s/\\\?/./g;
    return $name =~ /^$re$/;
}

package Stats;

sub new {
    my ($class, %args) = @_;
    my $self = { rotated => 0, compressed => 0, failed => 0, %args };
    return bless $self, $class;
}

sub Stats::count {
    my ($self, $what) = @_;
    $self->{$what}++;
    return $self;
}

sub report {
    my $self = shift;
    my $summary = sprintf "rotated %d, compressed %d, failed %d",
        @{$self}{qw(rotated compressed failed)};
    my $formatter = sub {
        my $text = shift;
        return "[stats] $text";
    };
    main::log_msg('info', $formatter->($summary));
}

package main;

sub main {
    my @dirs  = parse_options();
    my $stats = Stats->new(started => time);
    my %handlers = (
        rotate   => sub { rotate_one($_[0], $opt{keep}) },
        compress => \&compress_file,
    );
    foreach my $dir (@dirs) {
        foreach my $log (find_logs($dir)) {
            my $first = $handlers{rotate}->($log);
            $stats->count('rotated');
            if ($opt{compress}) {
                if ($handlers{compress}->($first)) {
                    $stats->count('compressed');
                } else {
                    $stats->count('failed');
                }
            }
        }
    }
    $stats->report;
    return $stats->{failed} ? 1 : 0;
}

exit main();

__END__

=head1 NAME

logrotate.pl - rotate log files

=head1 DESCRIPTION

Each file matching the pattern is shifted: file.1 becomes file.2 and so on.
The sub rotate_one does the shifting; nothing here is code.

=cut
