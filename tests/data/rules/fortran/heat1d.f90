! heat1d.f90 -- explicit finite-difference solver for the 1-D heat equation
!
! The module below keeps the grid; subroutine step(u, r) advances one time
! step. Call init_grid(n) first. The main program is at the end of the file.
module heat_grid
  use, intrinsic :: iso_fortran_env, only: real64, output_unit
  implicit none
  private

  integer, parameter, public :: dp = real64

  type, public :: grid_t
    integer :: n = 0
    real(dp) :: dx = 0.0_dp
    real(dp), allocatable :: u(:)
  contains
    procedure :: total => grid_total
  end type grid_t

  interface operator(.dot.)
    module procedure dot_vec
  end interface

  public :: init_grid, step, grid_total, write_profile, operator(.dot.)

contains

  subroutine init_grid(g, n, length)
    type(grid_t), intent(out) :: g
    integer, intent(in) :: n
    real(dp), intent(in) :: length
    integer :: i

    g%n = n
    g%dx = length / real(n - 1, dp)
    allocate(g%u(n))
    do i = 1, n
      g%u(i) = initial_value(real(i - 1, dp) * g%dx, length)
    end do
  end subroutine init_grid

  pure function initial_value(x, length) result(v)
    real(dp), intent(in) :: x, length
    real(dp) :: v
    real(dp), parameter :: pi = 4.0_dp * atan(1.0_dp)

    v = sin(pi * x / length)
  end function initial_value

  subroutine step(g, r)
    type(grid_t), intent(inout) :: g
    real(dp), intent(in) :: r
    real(dp), allocatable :: next(:)
    integer :: i

    if (r > 0.5_dp) then
      write(output_unit, '(a, f6.3)') 'warning: unstable ratio r =', r
    end if
    allocate(next(g%n))
    next(1) = 0.0_dp
    next(g%n) = 0.0_dp
    do concurrent (i = 2:g%n - 1)
      next(i) = g%u(i) + r * laplacian(i)
    end do
    call move_alloc(next, g%u)

  contains

    pure real(dp) function laplacian(k)
      integer, intent(in) :: k
      laplacian = g%u(k - 1) - 2.0_dp * g%u(k) + g%u(k + 1)
    end function laplacian

  end subroutine step

  real(dp) function grid_total(g)
    class(grid_t), intent(in) :: g
    grid_total = sum(g%u) * g%dx
  end function

  pure function dot_vec(a, b) result(s)
    real(dp), intent(in) :: a(:), b(:)
    real(dp) :: s
    s = dot_product(a, b)
  end function dot_vec

  recursive subroutine bisect(f, lo, hi, tol, root)
    real(dp), external :: f
    real(dp), intent(in) :: lo, hi, tol
    real(dp), intent(out) :: root
    real(dp) :: mid

    mid = 0.5_dp * (lo + hi)
    if (hi - lo < tol) then
      root = mid
    else if (f(lo) * f(mid) <= 0.0_dp) then
      call bisect(f, lo, mid, tol, root)
    else
      call bisect(f, mid, hi, tol, root)
    endif
  end subroutine bisect

  subroutine write_profile(g, unit, every)
    type(grid_t), intent(in) :: g
    integer, intent(in) :: unit
    integer, intent(in), optional :: every
    integer :: i, stride

    stride = 1
    if (present(every)) stride = max(1, every)
    ! the format below prints "x  u(x)"; see function initial_value
    do i = 1, g%n, stride
      write(unit, '(2es14.6)') real(i - 1, dp) * g%dx, g%u(i)
    end do
  end subroutine write_profile

end module heat_grid

program heat1d
  use heat_grid
  implicit none

  type(grid_t) :: g
  integer :: nsteps, it, ios
  real(dp) :: r, start_total
  character(len=32) :: arg

  nsteps = 500
  r = 0.4_dp
  if (command_argument_count() >= 1) then
    call get_command_argument(1, arg)
    read(arg, *, iostat=ios) nsteps
    if (ios /= 0) call usage()
  end if

  call init_grid(g, 101, 1.0_dp)
  start_total = g%total()
  do it = 1, nsteps
    call step(g, r)
  end do
  print '(a, i0, a)', 'after ', nsteps, ' steps:'
  print '(a, es12.4)', '  heat left   ', g%total() / start_total
  call write_profile(g, 6, every=10)

contains

  subroutine usage()
    print '(a)', 'usage: heat1d [steps]'
    stop 2
  end subroutine usage

end program heat1d

SUBROUTINE LEGACY_SCALE(N, A, FACTOR)
  INTEGER N, I
  DOUBLE PRECISION A(N), FACTOR
  DO 10 I = 1, N
     A(I) = A(I) * FACTOR
10 CONTINUE
  RETURN
  END
