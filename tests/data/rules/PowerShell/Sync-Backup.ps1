<#
.SYNOPSIS
    Mirrors folders to a backup share and keeps a rotation of old copies.
.DESCRIPTION
    function Sync-Folder does the copying; this help block is no header.
#>
[CmdletBinding(SupportsShouldProcess)]
param(
    [Parameter(Mandatory)]
    [string[]]$Source,
    [Parameter(Mandatory)]
    [string]$Destination,
    [int]$Keep = 5,
    [switch]$WhatIfOnly
)

Set-StrictMode -Version Latest
$ErrorActionPreference = 'Stop'
$script:LogFile = Join-Path $env:TEMP 'sync-backup.log'
$functionCount = 0  # not a function

function Write-Log {
    param(
        [Parameter(Mandatory)][string]$Message,
        [ValidateSet('Info', 'Warn', 'Error')][string]$Level = 'Info'
    )
    $stamp = Get-Date -Format 'yyyy-MM-dd HH:mm:ss'
    $line = "$stamp [$Level] $Message"
    Add-Content -Path $script:LogFile -Value $line
    if ($Level -eq 'Error') {
        Write-Error $line -ErrorAction Continue
    } else {
        Write-Verbose $line
    }
}

Function Get-BackupName($Folder, [datetime]$When = (Get-Date)) {
    $leaf = Split-Path -Leaf $Folder
    return '{0}-{1:yyyyMMdd-HHmmss}' -f $leaf, $When
}

function global:Test-ShareReachable {
    param([string]$Path)
    try {
        return [bool](Get-Item -LiteralPath $Path -ErrorAction Stop)
    }
    catch {
        return $false
    }
}

filter Select-Stale {
    if ($_.LastWriteTime -lt (Get-Date).AddDays(-30)) { $_ }
}

class BackupJob {
    [string]$Source
    [string]$Target
    [int]$Copied = 0
    hidden [System.Collections.Generic.List[string]]$Errors

    BackupJob([string]$source, [string]$target) {
        $this.Source = $source
        $this.Target = $target
        $this.Errors = [System.Collections.Generic.List[string]]::new()
    }

    [void] Run() {
        $files = Get-ChildItem -LiteralPath $this.Source -Recurse -File
        foreach ($file in $files) {
            $relative = $file.FullName.Substring($this.Source.Length).TrimStart('\')
            $targetPath = Join-Path $this.Target $relative
            try {
                $dir = Split-Path -Parent $targetPath
                if (-not (Test-Path $dir)) {
                    New-Item -ItemType Directory -Path $dir | Out-Null
                }
                Copy-Item -LiteralPath $file.FullName -Destination $targetPath -Force
                $this.Copied++
            }
            catch {
                $this.Errors.Add("$relative : $($_.Exception.Message)")
            }
        }
    }

    [string] Summary() {
        return "{0}: {1} files, {2} errors" -f $this.Source, $this.Copied, $this.Errors.Count
    }

    static [BackupJob] FromPair([string[]]$pair) {
        return [BackupJob]::new($pair[0], $pair[1])
    }

    hidden [bool] HasErrors() {
        return $this.Errors.Count -gt 0
    }
}

function Remove-OldBackups {
    [CmdletBinding(SupportsShouldProcess)]
    param([string]$Root, [string]$Prefix, [int]$Keep)
    $old = Get-ChildItem -LiteralPath $Root -Directory |
        Where-Object { $_.Name -like "$Prefix-*" } |
        Sort-Object Name -Descending |
        Select-Object -Skip $Keep
    foreach ($dir in $old) {
        if ($PSCmdlet.ShouldProcess($dir.FullName, 'Remove')) {
            Remove-Item -LiteralPath $dir.FullName -Recurse -Force
            Write-Log "removed $($dir.Name)"
        }
    }
}

function Sync-Folder {
    [CmdletBinding()]
    param([string]$Folder)
    $name = Get-BackupName $Folder
    $target = Join-Path $Destination $name
    $job = [BackupJob]::new($Folder, $target)
    if ($WhatIfOnly) {
        Write-Log "would copy $Folder to $target"
        return $null
    }
    $job.Run()
    Write-Log $job.Summary()
    $prefix = Split-Path -Leaf $Folder
    Remove-OldBackups -Root $Destination -Prefix $prefix -Keep $Keep
    return $job
}

# function Sync-Legacy { } was replaced by Sync-Folder
$handler = {
    param($job)
    Write-Log "finished $($job.Source)"
}

if (-not (Test-ShareReachable $Destination)) {
    Write-Log "destination $Destination is not reachable" -Level Error
    exit 1
}

$jobs = foreach ($folder in $Source) {
    $result = Sync-Folder -Folder $folder
    if ($null -ne $result) {
        & $handler $result
        $result
    }
}

$failed = @($jobs | Where-Object { $_.HasErrors() })
Write-Host ("{0} folders, {1} with errors" -f @($jobs).Count, $failed.Count)
[Math]::Max(0, $failed.Count) | Out-Null
exit ([int]($failed.Count -gt 0))
